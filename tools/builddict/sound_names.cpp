#include "sound_names.h"

#include "schema/sound_names.h"

namespace builddict {

// The one rule is the schema's, so that the builder writes the names the program looks for.

QString chapterLetter(int chapterCode) {
  return orvik::sounds::chapterLetter(chapterCode);
}

QString pageNamePart(int pageCode) {
  return orvik::sounds::pageNamePart(pageCode);
}

QString entrySoundName(int pageCode, int order) {
  return orvik::sounds::entryName(pageCode, order);
}

QString pageSoundName(int pageCode) {
  return orvik::sounds::pageName(pageCode);
}

QString chapterSoundName(int chapterCode) {
  return orvik::sounds::chapterName(chapterCode);
}

}  // namespace builddict
