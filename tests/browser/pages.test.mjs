// Opens every page that page_maker wrote (the folder in TOLVANE_PAGES) in
// Debian's Chromium and uses it as a person would: types, presses buttons,
// reads what the page then shows. Any JavaScript error on a page fails it.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';

// The npm packages are installed beside the builds (TOLVANE_NPM_DIR), not
// in the source tree.
const { chromium } = createRequire(join(process.env.TOLVANE_NPM_DIR, 'package.json'))('playwright-core');

const folder = process.env.TOLVANE_PAGES;
const index = JSON.parse(readFileSync(join(folder, 'pages.json'), 'utf8'));

const text = async (page, selector) => (await page.locator(selector).textContent()).trim();
const press = (page, name) => page.getByRole('button', { name, exact: true }).click();
// Math.random gives value from now on: the page's dice fall as the test says.
const fix_random = (page, value) => page.evaluate((v) => { Math.random = () => v; }, value);

async function greets(page, button, expected) {
  await page.fill('#name', 'Zoë');
  await press(page, button);
  assert.equal(await text(page, '#msg'), expected('Zoë'));
}

// What each built-in example does, by its title.
const examples = {
  'Greeting': (page) => greets(page, 'Say hello', (who) => `Hello, ${who}!`),
  'Dice Roll': async (page) => {
    for (const [random, face] of [[0, 1], [0.5, 4], [0.9999, 6]]) {
      await fix_random(page, random);
      await press(page, 'Roll the dice');
      assert.equal(await text(page, '#dice'), `You rolled a ${face}.`);
    }
  },
  'Counter': async (page) => {
    assert.equal(await text(page, '#count'), '0');
    for (let n = 1; n <= 3; n++) await press(page, 'Add one');
    assert.equal(await text(page, '#count'), '3');
    await press(page, 'Start again');
    assert.equal(await text(page, '#count'), '0');
  },
  'Quiz': async (page) => {
    for (const [answer, said] of [['42', 'Right! 6 times 7 is 42.'], ['41', 'Not quite. Try again.'],
      ['', 'Not quite. Try again.']]) {
      await page.fill('#answer', answer);
      await press(page, 'Check');
      assert.equal(await text(page, '#result'), said);
    }
  },
  'Times Table': async (page) => {
    const rows = Array.from({ length: 10 }, (_, i) => `${i + 1} x 7 = ${(i + 1) * 7}`);
    const lines = (await page.locator('body').innerText()).split('\n').map((line) => line.trim());
    assert.deepEqual(lines.filter((line) => / x 7 = /.test(line)), rows);
  },
};

// The script files in tests/browser/scripts, by name.
const scripts = {
  // Its die never shows six (rand gives 0 to 5); an alert is accepted all the same.
  'worked': async (page) => {
    assert.equal(await page.title(), 'Hello');
    assert.equal(await text(page, '#msg'), 'Hello');
    await greets(page, 'Say hello', (who) => `Hello ${who}`);
    await page.fill('#name', 'Ada Lovelace');
    await press(page, 'Say hello');
    assert.equal(await text(page, '#msg'), 'Hello Ada Lovelace');
  },
  // Typed in the Windows code page; the page declares UTF-8.
  'accents': async (page) => {
    assert.equal(await page.title(), 'Grüße aus Köln');
    assert.equal(await text(page, '#greeting'), 'Señor Müller’s café');
    await press(page, 'Show the words');
    assert.equal(await text(page, '#words'), 'Grüße, café, naïve');
  },
};

let browser;
before(async () => {
  browser = await chromium.launch({
    executablePath: process.env.TOLVANE_CHROMIUM || '/usr/bin/chromium',
    timeout: 60000,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});
after(() => browser?.close());

// Opens file in a fresh page, runs check on it and fails on any error the
// page's scripts raised; alerts are recorded and accepted.
async function use(file, check) {
  const page = await browser.newPage();
  page.setDefaultTimeout(10000);
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('dialog', (dialog) => dialog.accept());
  try {
    await page.goto(pathToFileURL(join(folder, file)).href);
    await check(page);
    assert.deepEqual(errors, [], `JavaScript errors on ${file}`);
  } finally {
    await page.close();
  }
}

test('every page has a check and every check a page', () => {
  assert.deepEqual(index.examples.map((e) => e.title).sort(), Object.keys(examples).sort());
  assert.deepEqual(index.scripts.map((s) => s.name).sort(), Object.keys(scripts).sort());
});

for (const { title, page } of index.examples) {
  test(`example ${title}`, { timeout: 60000 }, () => use(page, async (p) => {
    assert.equal(await p.title(), title);
    assert.ok(examples[title], `no check for the example "${title}"`);
    await examples[title](p);
  }));
}

for (const { name, page } of index.scripts) {
  test(`script ${name}`, { timeout: 60000 }, () => use(page, async (p) => {
    assert.ok(scripts[name], `no check for the script "${name}"`);
    await scripts[name](p);
  }));
}
