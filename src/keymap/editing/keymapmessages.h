#pragma once

// The numbers of the messages the keymap page shows through KeymapMessagePort; the key-change
// rules name their own (KeyChangeRules).
namespace KeymapMessages {

// Before a write: save the edits to a setting file first, write at once, or stop.
constexpr int askToSave = 1001;
// Edits not yet written would be lost: go on, or stay.
constexpr int unsavedEdits = 1003;
constexpr int written = 1004;
constexpr int settingFileApplied = 1005;
constexpr int settingFileSaved = 1006;
constexpr int specialKey = 1008;
constexpr int noFn1Key = 1010;
constexpr int allToFactory = 1011;
constexpr int malformedSettingFile = 9004;
constexpr int newerSettingFile = 9006;
constexpr int settingFileNotWritten = 9007;
constexpr int keyboardNotWritten = 9009;
constexpr int modeMismatch = 9020;

} // namespace KeymapMessages
