// Drives "tandor --mcp" with the official MCP client, which validates every
// reply against the protocol's schemas: any rejection fails the test.
// Usage: node client.mjs <path of tandor>
import assert from "node:assert/strict";
import { randomBytes } from "node:crypto";
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

import { Client } from "@modelcontextprotocol/sdk/client/index.js";
import { StdioClientTransport } from "@modelcontextprotocol/sdk/client/stdio.js";

const tandor = process.argv[2];
const home = mkdtempSync(join(tmpdir(), "tandor-sdk-home-"));

function file(relative, bytes) {
  const path = join(home, relative);
  mkdirSync(join(path, ".."), { recursive: true });
  writeFileSync(path, randomBytes(bytes));
}

function buildHome() {
  file("Downloads/big.bin", 2_000_000);
  file("Projects/site/package.json", 10);
  file("Projects/site/node_modules/lib/bundle.js", 3_000_000);
  // A name that is not UTF-8: shown in the escaped form and accepted back.
  writeFileSync(Buffer.concat([Buffer.from(join(home, "Downloads", "caf")), Buffer.from([0xe9]),
                               Buffer.from(".bin")]),
                randomBytes(1_500_000));
  const support = join(home, ".local/share/Tandor");
  mkdirSync(support, { recursive: true });
  writeFileSync(join(support, "assistant.json"), JSON.stringify({ enabled: true }));
}

async function answer(client, name, args) {
  const result = await client.callTool({ name, arguments: args });
  assert.notEqual(result.isError, true, `${name} failed: ${JSON.stringify(result.content)}`);
  assert.equal(result.content.length, 1);
  assert.equal(result.content[0].type, "text");
  return JSON.parse(result.content[0].text);
}

async function main() {
  buildHome();
  const transport = new StdioClientTransport({
    command: tandor,
    args: ["--mcp"],
    env: { ...process.env, HOME: home, XDG_DATA_HOME: join(home, ".local/share"),
           XDG_CONFIG_HOME: join(home, ".config") },
    stderr: "ignore",
  });
  const client = new Client({ name: "tandor-sdk-test", version: "1.0.0" });
  await client.connect(transport);
  assert.equal(client.getServerVersion().name, "tandor");

  await client.ping();

  const { tools } = await client.listTools();
  assert.deepEqual(tools.map((tool) => tool.name),
                   ["disk_overview", "folder_contents", "storage_categories",
                    "cleanup_suggestions", "list_rules", "propose_for_pile"]);

  const overview = await answer(client, "disk_overview", { top: 5 });
  assert.equal(overview.path, home);
  assert.ok(overview.bytes >= 6_000_000);

  const downloads = await answer(client, "folder_contents", { path: "~/Downloads" });
  const escaped = downloads.children.map((child) => child.path)
    .find((path) => path.startsWith("\u0000"));
  assert.ok(escaped, "the name that is not UTF-8 is listed in the escaped form");

  const kinds = await answer(client, "storage_categories", {});
  assert.ok(kinds.kinds.length > 0);

  const suggestions = await answer(client, "cleanup_suggestions", { items_per_suggestion: 2 });
  assert.equal(typeof suggestions.recoverableBytes, "number");

  const rules = await answer(client, "list_rules", {});
  assert.equal(rules.length, 28);

  const proposed = await answer(client, "propose_for_pile", {
    items: [
      { path: "~/Downloads/big.bin", reason: "An old download." },
      { path: escaped, reason: "Also old." },
      { path: "/etc/passwd", reason: "Outside." },
    ],
  });
  assert.equal(proposed.proposed, 2);
  assert.equal(proposed.refused.length, 1);

  await assert.rejects(client.callTool({ name: "no_such_tool", arguments: {} }),
                       (error) => error.code === -32602);

  await client.close();
  console.log("mcp_sdk_client: 1 passed, 0 failed");
}

try {
  await main();
} finally {
  rmSync(home, { recursive: true, force: true });
}
