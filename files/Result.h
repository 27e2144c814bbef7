// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <utility>
#include <variant>

namespace zorbin {

// The answer of a query that can fail: a value, or the failure that says what and why. The one
// value-or-failure type of the library; actions that yield nothing return
// std::optional<FileFailure> instead.
template <typename T, typename Failure = FileFailure> class [[nodiscard]] Result {
public:
    Result(T value) : content_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : content_(std::in_place_index<1>, std::move(failure)) {}

    [[nodiscard]] bool ok() const { return content_.index() == 0; }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] const T& value() const& { return std::get<0>(content_); }
    [[nodiscard]] T& value() & { return std::get<0>(content_); }
    [[nodiscard]] T&& value() && { return std::get<0>(std::move(content_)); }
    [[nodiscard]] const T& operator*() const& { return value(); }
    [[nodiscard]] T& operator*() & { return value(); }
    [[nodiscard]] const T* operator->() const { return &value(); }

    [[nodiscard]] const Failure& failure() const { return std::get<1>(content_); }

private:
    std::variant<T, Failure> content_;
};

} // namespace zorbin
