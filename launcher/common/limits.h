// The launcher's fixed sizes and limits, each under one name.
#pragma once

// Paths, titles, box texts and typed prefixes: at most 511 bytes and a 0.
const int kTextSize = 512;
// Icon names and commands: at most 49 bytes and a 0.
const int kNameSize = 50;

// Icon slots 1..3600, page-major; record 0 is the no-cell record.
const int kSlotCount = 3600;

// The board: rows and columns 4..15, 1..13 pages (and at most rows - 2), one title per page.
const int kMinCells = 4;
const int kMaxCells = 15;
const int kMaxPages = 13;
