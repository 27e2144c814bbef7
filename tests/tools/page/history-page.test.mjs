// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The history page of a fifteen-season league of 15,000 players in headless Chromium, driven as a
// reader drives it: typing in the filter, scrolling the careers sideways, clicking a team and a
// player, and the browser's Back. Fails on any console message or page error. Usage:
//   node history-page.test.mjs WRITE_PAGE_LEAGUE
// With ZORBIN_SHOTS set to a folder, it saves screenshots of the careers scrolled sideways, a
// team's view and a career there.
import {execFileSync} from "node:child_process";
import {mkdtempSync, readFileSync, rmSync} from "node:fs";
import {tmpdir} from "node:os";
import {join} from "node:path";

let puppeteer;
try {
    puppeteer = (await import("puppeteer-core")).default;
} catch {
    console.error("puppeteer-core is not installed: run scripts/install-dependencies");
    process.exit(1);
}

const failures = [];
function check(condition, what) {
    if (!condition)
        failures.push(what);
}

const root = mkdtempSync(join(tmpdir(), "zorbin-page-"));
const shots = process.env.ZORBIN_SHOTS;
let browser;
try {
    execFileSync(process.argv[2], [root], {stdio: ["ignore", "ignore", "inherit"]});
    browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
        headless: true,
        args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
               "--disable-component-update", "--disable-sync"],
        userDataDir: join(root, "profile"),
    });
    const page = await browser.newPage();
    await page.setViewport({width: 1280, height: 800});
    page.on("console", message => failures.push("console: " + message.text()));
    page.on("pageerror", error => failures.push("page error: " + error.message));
    page.on("requestfailed", request => failures.push("fetch: " + request.url()));
    await page.goto("file://" + join(root, "page.html"));
    await page.waitForSelector("html[data-ready=true]", {timeout: 30000});
    const shownText = () => page.$eval("#shown", shown => shown.textContent);
    check(await shownText() === "15000 of 15000 players", "every player a row: " + await shownText());
    check(await page.$eval("#renames", list => list.textContent.includes("G\u00f6teborg 1 Rovers became G\u00f6teborg 1 Rangers")),
          "the rename is said");

    // Each key's wait for the next frame, from the moment the browser stamped it.
    await page.$eval("#filter", filter => {
        window.keyWaits = [];
        filter.addEventListener("keydown", event => {
            requestAnimationFrame(() => window.keyWaits.push(performance.now() - event.timeStamp));
        });
    });
    await page.click("#filter");
    await page.keyboard.type("goteborg", {delay: 40});
    const typed = Date.now();
    await page.waitForFunction(() => document.getElementById("shown").textContent !== "15000 of 15000 players",
                               {timeout: 5000});
    const rowsCame = Date.now() - typed;
    const waits = await page.evaluate(() => window.keyWaits);
    check(waits.length === 8 && Math.max(...waits) < 100, "a key waited for its frame: " + waits.join(", "));
    check(rowsCame < 1000, "the rows came after " + rowsCame + " ms");
    console.log("slowest key to its frame: " + Math.max(...waits).toFixed(1) + " ms; rows after " + rowsCame + " ms");
    // Every row of the page as written that holds the accented name, and no other.
    const written = readFileSync(join(root, "page.html"), "utf8").split("\n")
        .filter(line => line.startsWith("<tr><td>") && line.includes("G\u00f6teborg")).length;
    const filtered = await page.$$eval("#careers tbody tr", rows => ({
        placed: rows.length,
        accented: rows.every(row => row.textContent.includes("G\u00f6teborg")),
    }));
    check(filtered.placed > 100 && filtered.accented && await shownText() === written + " of 15000 players",
          "\"goteborg\" finds G\u00f6teborg: " + JSON.stringify(filtered) + " " + await shownText());
    await page.click("#filter", {clickCount: 3});
    await page.keyboard.press("Backspace");
    await page.waitForFunction(() => document.getElementById("shown").textContent === "15000 of 15000 players",
                               {timeout: 5000});

    // Scrolled sideways with the wheel, identity and name stay at the left of the table.
    await page.$eval("#careers", table => table.scrollIntoView());
    const box = await (await page.$(".scroller")).boundingBox();
    await page.mouse.move(box.x + box.width / 2, Math.min(box.y + box.height / 2, 700));
    await page.mouse.wheel({deltaX: 1200});
    await page.waitForFunction(() => document.querySelector(".scroller").scrollLeft > 600, {timeout: 5000});
    const pinned = await page.evaluate(() => {
        const scroller = document.querySelector(".scroller").getBoundingClientRect();
        const row = document.querySelector("#careers tbody tr");
        const identity = row.cells[0].getBoundingClientRect();
        const name = row.cells[1].getBoundingClientRect();
        const under = document.elementFromPoint(name.x + name.width / 2, name.y + name.height / 2);
        return {identity: identity.left - scroller.left, name: name.left - identity.right,
                onTop: under === row.cells[1]};
    });
    check(Math.abs(pinned.identity) < 2 && Math.abs(pinned.name) < 2 && pinned.onTop,
          "identity and name stay in view: " + JSON.stringify(pinned));
    if (shots)
        await page.screenshot({path: join(shots, "careers-scrolled-sideways.png")});
    const scrolled = await page.$eval(".scroller", scroller => scroller.scrollLeft);

    // A click on a team in view, right of the pinned columns, opens its view.
    const target = await page.evaluate(() => {
        const scroller = document.querySelector(".scroller").getBoundingClientRect();
        const pinned = document.querySelector("#careers tbody tr").cells[1].getBoundingClientRect();
        for (const cell of document.querySelectorAll("#careers tbody td:not(.o):not(.n)")) {
            const box = cell.getBoundingClientRect();
            if (cell.cellIndex > 1 && box.left > pinned.right && box.right < scroller.right &&
                box.top > scroller.top + 40 && box.bottom < Math.min(scroller.bottom, innerHeight))
                return {team: cell.textContent.trim(), x: box.x + box.width / 2, y: box.y + box.height / 2};
        }
        return null;
    });
    const team = target.team;
    await page.mouse.click(target.x, target.y);
    await page.waitForFunction(() => !document.getElementById("view").hidden, {timeout: 5000});
    const teamView = await page.$eval("#view", view => ({
        heading: view.querySelector("h1").textContent,
        seasons: view.querySelectorAll("tbody tr").length,
        hash: decodeURIComponent(location.hash),
    }));
    check(teamView.heading === team && teamView.seasons === 15 && teamView.hash === "#team=" + team,
          "the team's view: " + JSON.stringify(teamView));
    if (shots)
        await page.screenshot({path: join(shots, "team-view.png")});

    // A click on a player of the second season's roster shows his career.
    const player = await page.$("#view tbody tr:nth-child(2) td:nth-child(3) a");
    const identity = await player.evaluate(link => link.hash.slice("#player=".length));
    await player.click();
    await page.waitForFunction(id => location.hash === "#player=" + id, {timeout: 5000}, identity);
    const career = await page.$eval("#view", view => ({
        heading: view.querySelector("h1").textContent,
        teams: Array.from(view.querySelectorAll("tbody tr"), row => row.cells[0].textContent),
        spans: Array.from(view.querySelectorAll("tbody tr"), row => row.cells[1].textContent),
    }));
    // A veteran of the fixture who stays on his team: one span a team, each run of seasons whole.
    check(career.spans.length > 0 && career.spans.every(span => /^Season \d+( \u2013 Season \d+)?$/.test(span)) &&
          career.teams.every((team, at) => at === 0 || team.trim() !== career.teams[at - 1].trim()),
          "the career's spans: " + JSON.stringify(career));
    if (shots)
        await page.screenshot({path: join(shots, "career.png")});

    // Back to the team, then back to the careers where they were scrolled.
    await page.goBack();
    await page.waitForFunction(() => location.hash.startsWith("#team="), {timeout: 5000});
    check(await page.$eval("#view h1", h1 => h1.textContent) === team, "Back returns to the team");
    await page.goBack();
    await page.waitForFunction(() => document.getElementById("view").hidden, {timeout: 5000});
    const back = await page.$eval(".scroller", scroller => scroller.scrollLeft);
    check(back === scrolled, "Back returns to the careers as scrolled: " + back + " not " + scrolled);
} catch (error) {
    failures.push(String(error && error.stack || error));
} finally {
    if (browser)
        await browser.close();
    rmSync(root, {recursive: true, force: true});
}
for (const failure of failures)
    console.error("FAILED: " + failure);
process.exit(failures.length ? 1 : 0);
