#pragma once
// The fixed secrets of an installation, shared by the program and the dictionary builder: the
// passwords that open the tables and the key bytes of the scrambled picture files. Changing any
// of them makes every existing installation unreadable, so they never change.

#include <array>
#include <cstdint>
#include <string_view>

namespace orvik::keys {

// Thirteen passwords for the tables of the data folder; the builder keys each dictionary table
// with one of them (dataPasswordFor), the program offers all of them when it opens a table.
inline constexpr std::array<std::string_view, 13> kDataPasswords = {
    "yETyRJK56e", "hLYEzJL8",   "PBDvThRt",   "CDnvQOd7QU", "cggZB64cw", "LlHxJSNG", "VTQ119pMt",
    "FAVg7JTHAt", "G4o3twdsar", "xix5QgP4iD", "eOmdYqzpMz", "Etnippib",  "K7pWj2gB"};
// The password of Data/ChptPct.ort.
inline constexpr std::string_view kChapterPicturePassword = "8E34FJrIJSJ";
// The password of Data/LittlePages.ort.
inline constexpr std::string_view kLittlePagesPassword = "mwzN9sTCm3F";

// Which of the thirteen data passwords keys a data-folder table file ("PgePct.ort"). The
// choice only has to be stable: it spreads the tables over the list.
constexpr std::string_view dataPasswordFor(std::string_view fileName) {
  std::uint32_t h = 2166136261u;
  for (char c : fileName) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return kDataPasswords[h % kDataPasswords.size()];
}

// Header kinds of the scrambled picture files and the key byte each file's first sixteen bytes
// are XORed with.
struct ScrambledFile {
  std::string_view name;
  int headerKind;
  std::uint8_t key;
};
inline constexpr std::array<ScrambledFile, 7> kScrambledFiles = {{
    {"fsls.ori", 1, 0x5A},
    {"fchpt.ori", 2, 0xA7},
    {"fbsh.ori", 3, 0x3C},
    {"Lng1.ori", 4, 0xC9},
    {"Lng2.ori", 4, 0xC9},
    {"Lng3.ori", 4, 0xC9},
    {"Lng4.ori", 4, 0xC9},
}};

// The sixteen-byte bitmap file header that repairs a scrambled file of each kind: the file
// sizes and pixel-data offsets the builder lays the pictures out to.
inline constexpr std::uint32_t headerFileSize(int kind) {
  return kind == 1 ? 108200u : kind == 4 ? 4924u : 403398u;
}
inline constexpr std::uint32_t headerPixelOffset(int kind) {
  return kind == 4 ? 74u : 1078u;
}

}  // namespace orvik::keys
