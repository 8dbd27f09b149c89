#pragma once
// The check of a typed answer against an entry's head word, compared as the find window
// compares: letter case and accents set aside ("елка" is "ёлка", "cafe" is "café"), blanks
// around and between words not counted, and a leading article optional ("pomme", "Pomme" and
// "la pomme" all answer "la pomme"). An article that is typed must be the head word's own:
// "le pomme" does not answer "la pomme".

#include <QString>

namespace orvik::practice {

bool answerMatches(const QString& typed, const QString& headWord);

}  // namespace orvik::practice
