#pragma once
// One of the dictionary's four languages, and the three ways the program numbers them:
// - the language number (1 English, 2 French, 3 Russian, 4 Spanish): table files, sound
//   folders, the settings file's language bytes and every operation that takes a language;
// - the translation index (0 English, 1 Russian, 2 French, 3 Spanish): the column of an
//   interface text in the translation component;
// - the slot (0 English, 1 French, 5 Russian, 6 Spanish): what the settings file's language
//   lists hold, -1 marking an empty place.
// The three orders differ, so arithmetic between them is always wrong; every conversion goes
// through this type, and a value outside its numbering gives no language (std::nullopt).

#include <QStringView>
#include <array>
#include <optional>

namespace orvik {

class Language {
 public:
  enum Number : int { English = 1, French = 2, Russian = 3, Spanish = 4 };

  constexpr Language(Number number) noexcept : number_(number) {}

  static constexpr std::optional<Language> fromNumber(int number) noexcept {
    if (number < English || number > Spanish) return std::nullopt;
    return Language(Number(number));
  }
  static constexpr std::optional<Language> fromTranslationIndex(int index) noexcept {
    constexpr Number kByIndex[4] = {English, Russian, French, Spanish};
    if (index < 0 || index > 3) return std::nullopt;
    return Language(kByIndex[index]);
  }
  static constexpr std::optional<Language> fromSlot(int slot) noexcept {
    for (Language language : all())
      if (language.slot() == slot) return language;
    return std::nullopt;
  }

  // The four languages in language-number order.
  static constexpr std::array<Language, 4> all() noexcept {
    return {Language(English), Language(French), Language(Russian), Language(Spanish)};
  }

  constexpr int number() const noexcept { return number_; }
  constexpr int translationIndex() const noexcept {
    constexpr int kIndexes[4] = {0, 2, 1, 3};
    return kIndexes[number_ - 1];
  }
  constexpr int slot() const noexcept {
    constexpr int kSlots[4] = {0, 1, 5, 6};
    return kSlots[number_ - 1];
  }
  // "En", "Fr", "Ru", "Sp": table file names and sound folders carry it.
  constexpr QStringView code() const noexcept {
    constexpr QStringView kCodes[4] = {u"En", u"Fr", u"Ru", u"Sp"};
    return kCodes[number_ - 1];
  }

  // Russian is written in Cyrillic, the other three in the Latin alphabet: the character set of
  // its fonts and the widths of its texts follow.
  constexpr bool isCyrillic() const noexcept { return number_ == Russian; }

  friend constexpr bool operator==(Language, Language) noexcept = default;

 private:
  Number number_;
};

// Each numbering, converted to another: -1 (or an empty code) for a value outside its own
// numbering. For the places that store plain numbers (settings bytes, list items).
// Whether a language number's language is written in Cyrillic (false outside the numbering).
constexpr bool writtenInCyrillic(int number) noexcept {
  const auto language = Language::fromNumber(number);
  return language && language->isCyrillic();
}
constexpr int numberOfSlot(int slot) noexcept {
  const auto language = Language::fromSlot(slot);
  return language ? language->number() : -1;
}
constexpr int slotOfNumber(int number) noexcept {
  const auto language = Language::fromNumber(number);
  return language ? language->slot() : -1;
}
constexpr int languageNumberOfIndex(int translationIndex) noexcept {
  const auto language = Language::fromTranslationIndex(translationIndex);
  return language ? language->number() : -1;
}
constexpr int translationIndexOfNumber(int number) noexcept {
  const auto language = Language::fromNumber(number);
  return language ? language->translationIndex() : -1;
}
constexpr QStringView codeOfNumber(int number) noexcept {
  const auto language = Language::fromNumber(number);
  return language ? language->code() : QStringView();
}

}  // namespace orvik
