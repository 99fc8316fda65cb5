#pragma once
// The coordinate range R of a document and the item of the range list
// ("-5,+5", "-10,+10", "-20,+20") that stands for it.

// Item index for a document range: R / 10, so 5 gives the first item.
constexpr int RangeChoiceFromRange(int range) { return range / 10; }

// Document range for an item index: 5 for the first item, else index * 10.
constexpr int RangeFromChoice(int choice) { return choice == 0 ? 5 : choice * 10; }
