#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include "article_rtf.h"
#include "platform/rtf_reader.h"
#include "schema/installation_keys.h"
#include "scrambled_bitmap.h"
#include "search_words.h"
#include "sound_builder.h"
#include "sound_names.h"

using namespace builddict;

TEST(SoundNames, FollowTheProgramsRules) {
  EXPECT_EQ(entrySoundName(305, 7), QStringLiteral("C0507"));
  EXPECT_EQ(entrySoundName(1204, 12), QStringLiteral("L0412"));
  EXPECT_EQ(pageNamePart(10105), QStringLiteral("JA5"));
  EXPECT_EQ(pageNamePart(12119), QStringLiteral("LB9"));
  EXPECT_EQ(pageNamePart(12129), QStringLiteral("L"));
  EXPECT_EQ(entrySoundName(305, 9), QStringLiteral("C0509"));
  EXPECT_EQ(entrySoundName(305, 10), QStringLiteral("C0510"));
  EXPECT_EQ(pageSoundName(305), QStringLiteral("C0500"));
  EXPECT_EQ(chapterSoundName(3), QStringLiteral("C00"));
  EXPECT_EQ(chapterSoundName(15), QStringLiteral("O00"));
  EXPECT_TRUE(pageNamePart(42).isEmpty());
}

TEST(SearchWords, StripArticlesAndKeepWordsOfTwoLetters) {
  using W = SearchWord;
  EXPECT_EQ(searchWords(QStringLiteral("la pomme de terre"), Fr),
            (QList<W>{{"pomme de terre", "pomme de terre"},
                      {"pomme", "pomme"},
                      {"de", "de"},
                      {"terre", "terre"}}));
  EXPECT_EQ(searchWords(QStringLiteral("l'œuf"), Fr), (QList<W>{{"œuf", "œuf"}}));
  EXPECT_EQ(searchWords(QStringLiteral("le contrôle des passeports"), Fr),
            (QList<W>{{"contrôle des passeports", "contrôle des passeports"},
                      {"contrôle", "contrôle"},
                      {"passeports", "passeports"}}));
  EXPECT_EQ(
      searchWords(QStringLiteral("el globo terráqueo"), Sp),
      (QList<W>{
          {"globo terráqueo", "globo terráqueo"}, {"globo", "globo"}, {"terráqueo", "terráqueo"}}));
  EXPECT_EQ(searchWords(QStringLiteral("паспортный контроль"), Ru),
            (QList<W>{{"паспортный контроль", "паспортный контроль"},
                      {"паспортный", "паспортный"},
                      {"контроль", "контроль"}}));
  // A one-letter word is no search word; case is kept as written.
  EXPECT_EQ(
      searchWords(QStringLiteral("vitamin C tablet"), En),
      (QList<W>{
          {"vitamin C tablet", "vitamin C tablet"}, {"vitamin", "vitamin"}, {"tablet", "tablet"}}));
  EXPECT_EQ(searchWords(QStringLiteral("the Moon"), En), (QList<W>{{"Moon", "Moon"}}));
  // Spanish "la" is an article only in front of the word.
  EXPECT_EQ(withoutArticle(QStringLiteral("las uvas"), Sp), QStringLiteral("uvas"));
  EXPECT_EQ(withoutArticle(QStringLiteral("lápiz"), Sp), QStringLiteral("lápiz"));
  EXPECT_EQ(
      searchWords(QStringLiteral("porte-monnaie"), Fr),
      (QList<W>{{"porte-monnaie", "porte-monnaie"}, {"porte", "porte"}, {"monnaie", "monnaie"}}));
}

// The words in the order their ranks give.
QStringList byRank(const QStringList& words, int language) {
  const QHash<QString, int> rank = searchWordRanks(words, language);
  QStringList sorted = QSet<QString>(words.cbegin(), words.cend()).values();
  std::sort(sorted.begin(), sorted.end(),
            [&rank](const QString& a, const QString& b) { return rank[a] < rank[b]; });
  return sorted;
}

TEST(SearchWords, RanksReadLikeADictionary) {
  // Capitals and accents do not pull a word out of its alphabetical place; they only break ties,
  // and a word that repeats keeps one place.
  EXPECT_EQ(byRank({"zebra", "CD", "apple", "X-ray", "Apple", "American football", "apple"}, En),
            (QStringList{"American football", "apple", "Apple", "CD", "X-ray", "zebra"}));
  // Russian "ё" sorts with "е", not after "я".
  EXPECT_EQ(byRank({"яблоко", "ель", "ёлка", "апельсин", "Ёж"}, Ru),
            (QStringList{"апельсин", "Ёж", "ёлка", "ель", "яблоко"}));
  EXPECT_EQ(byRank({"été", "état", "œuf", "oeil", "zèbre"}, Fr),
            (QStringList{"état", "été", "oeil", "œuf", "zèbre"}));
  // Every distinct word has a place of its own.
  const QHash<QString, int> rank = searchWordRanks({"café", "cafe", "Café", "CAFE"}, Sp);
  EXPECT_EQ(QSet<int>(rank.cbegin(), rank.cend()).size(), 4);
}

TEST(ArticleRtf, WritesCodePageEscapesAndTheStandardSize) {
  const EntryText fr{QStringLiteral("la clé"), QStringLiteral("nom féminin"),
                     QStringLiteral("Outil {de} métal."), QStringLiteral("Où est la clé\\?")};
  const QByteArray rtf = articleRtf(fr, Fr);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
  EXPECT_TRUE(rtf.endsWith('}'));
  EXPECT_EQ(rtf.count("\\fs18"), 1);
  EXPECT_TRUE(rtf.contains("{\\b la cl\\'e9}"));
  EXPECT_TRUE(rtf.contains("\\i\\cf2 nom f\\'e9minin}"));
  EXPECT_TRUE(rtf.contains("Outil \\{de\\} m\\'e9tal.\\par"));
  EXPECT_TRUE(rtf.contains("O\\'f9 est la cl\\'e9\\\\?"));
  for (char c : rtf) EXPECT_LT(uchar(c), 0x80);

  const EntryText ru{QStringLiteral("ёж"), QStringLiteral("существительное"),
                     QStringLiteral("Зверёк №1."), QStringLiteral("Ёж — Ω.")};
  const QByteArray r = articleRtf(ru, Ru);
  EXPECT_TRUE(r.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
  EXPECT_TRUE(r.contains("\\fcharset204"));
  EXPECT_TRUE(r.contains("{\\b \\'b8\\'e6}"));           // ё ж
  EXPECT_TRUE(r.contains("\\'b91."));                    // №
  EXPECT_TRUE(r.contains("\\'a8\\'e6 \\'97 \\u937?."));  // Ё ж — and Ω outside the code page
}

TEST(ScrambledBitmap, RoundTripsEveryKindAtItsFixedSize) {
  QImage picture(400, 267, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y, 128));
  for (const auto& file : orvik::keys::kScrambledFiles) {
    SCOPED_TRACE(std::string(file.name));
    QImage source = picture;
    if (file.headerKind == 2 || file.headerKind == 3) source = picture.scaled(757, 529);
    if (file.headerKind == 4) {
      source = QImage(92, 101, QImage::Format_Indexed8);
      source.setColorTable({qRgb(238, 230, 201), qRgb(180, 169, 135), qRgb(250, 244, 211),
                            qRgb(110, 92, 34), qRgb(128, 0, 0)});
      for (int y = 0; y < 101; ++y)
        for (int x = 0; x < 92; ++x) source.setPixel(x, y, (x / 7 + y / 9) % 5);
    }
    QString error;
    QByteArray bytes = scrambledPictureFile(source, file.headerKind, file.key, &error);
    ASSERT_EQ(quint32(bytes.size()), orvik::keys::headerFileSize(file.headerKind))
        << error.toStdString();
    EXPECT_NE(bytes.left(2), QByteArray("BM"));
    xorHeader(bytes, file.key);
    // Unscrambled, the first sixteen bytes are exactly the header the program would write.
    QByteArray header("BM");
    const quint32 size = orvik::keys::headerFileSize(file.headerKind);
    const quint32 offset = orvik::keys::headerPixelOffset(file.headerKind);
    for (int i = 0; i < 4; ++i) header += char((size >> (8 * i)) & 0xFF);
    header += QByteArray(4, '\0');
    for (int i = 0; i < 4; ++i) header += char((offset >> (8 * i)) & 0xFF);
    header += QByteArray("\x28\x00", 2);
    EXPECT_EQ(bytes.left(16), header);
    QImage loaded;
    ASSERT_TRUE(loaded.loadFromData(bytes, "BMP"));
    EXPECT_EQ(loaded.size(), source.size());
    if (file.headerKind == 4) {
      // Five colours survive exactly.
      for (int y = 0; y < 101; y += 10)
        for (int x = 0; x < 92; x += 10)
          EXPECT_EQ(loaded.pixel(x, y), source.color(source.pixelIndex(x, y)));
    } else {
      const QRgb a = loaded.pixel(100, 100), b = source.pixel(100, 100);
      EXPECT_NEAR(qRed(a), qRed(b), 24);
      EXPECT_NEAR(qGreen(a), qGreen(b), 24);
      EXPECT_NEAR(qBlue(a), qBlue(b), 24);
    }
  }
  // Too large a picture for the kind is refused, not truncated.
  QString error;
  EXPECT_TRUE(
      scrambledPictureFile(QImage(757, 564, QImage::Format_RGB32), 3, 0x3C, &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}

TEST(ScrambledBitmap, QuantizeKeepsFewColoursExact) {
  QImage picture(64, 64, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(238, 230, 201), qRgb(128, 0, 0), qRgb(20, 70, 140)};
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) picture.setPixel(x, y, colours[(x + y) % 3]);
  const QImage q = quantize(picture, 256);
  ASSERT_EQ(q.format(), QImage::Format_Indexed8);
  EXPECT_LE(q.colorCount(), 256);
  // Colours are kept to the 5-bit precision of the histogram.
  for (int y = 0; y < 64; y += 7)
    for (int x = 0; x < 64; x += 5) {
      const QRgb a = q.pixel(x, y), b = picture.pixel(x, y);
      EXPECT_NEAR(qRed(a), qRed(b), 8);
      EXPECT_NEAR(qGreen(a), qGreen(b), 8);
      EXPECT_NEAR(qBlue(a), qBlue(b), 8);
    }
  EXPECT_EQ(quantize(picture, 256), q);  // deterministic
}

TEST(SoundBuilder, WritesPlayableWaveFiles) {
  const QByteArray click = SoundBuilder::clickSound();
  ASSERT_GT(click.size(), 44);
  EXPECT_EQ(click.left(4), QByteArray("RIFF"));
  EXPECT_EQ(click.mid(8, 8), QByteArray("WAVEfmt "));
  auto le32 = [](const QByteArray& b, int at) {
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 |
           quint32(uchar(b[at + 2])) << 16 | quint32(uchar(b[at + 3])) << 24;
  };
  EXPECT_EQ(le32(click, 4), quint32(click.size() - 8));
  EXPECT_EQ(le32(click, 40), quint32(click.size() - 44));
  EXPECT_EQ(le32(click, 24), 22050u);
  const QByteArray swish = SoundBuilder::pageTurnSound();
  EXPECT_EQ(le32(swish, 40), 22050u * 350 / 1000 * 2);
  EXPECT_EQ(swish, SoundBuilder::pageTurnSound());  // fixed seed
  // Not silent.
  int loudest = 0;
  for (int i = 44; i + 1 < swish.size(); i += 2)
    loudest = std::max(loudest, std::abs(int(qint16(uchar(swish[i]) | uchar(swish[i + 1]) << 8))));
  EXPECT_GT(loudest, 3000);
}

TEST(SoundBuilder, KeepsSoundsWhoseTextDidNotChange) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString root = dir.path() + QStringLiteral("/Sound");
  auto job = [&](const char* path, const char* text) {
    return SpeechJob{QStringLiteral("fr"), QString::fromUtf8(text),
                     root + u'/' + QLatin1String(path)};
  };
  const QList<SpeechJob> first = {job("Fr/4/D0101.wav", "la pomme"),
                                  job("Fr/4/D0102.wav", "la poire"),
                                  job("Fr/Chpg/D00.wav", "La nourriture")};
  EXPECT_EQ(SoundBuilder::takeSpokenFolder(root, first).size(), 3);  // nothing spoken yet
  SoundBuilder speaker;
  QString error;
  if (!SoundBuilder::speakerAvailable()) GTEST_SKIP() << "espeak-ng is not installed";
  ASSERT_TRUE(speaker.speak(first, 2, &error)) << error.toStdString();
  for (const SpeechJob& j : first) EXPECT_GT(QFileInfo(j.path).size(), 1000);
  ASSERT_TRUE(SoundBuilder::recordSpokenFolder(root, first, &error));

  // One text changed, one entry gone, one new: only the changed and the new are spoken again,
  // the file of the entry that is gone is removed.
  const QList<SpeechJob> second = {job("Fr/4/D0101.wav", "la pomme"),
                                   job("Fr/4/D0102.wav", "le raisin"),
                                   job("Fr/4/D0103.wav", "la cerise")};
  const QList<SpeechJob> todo = SoundBuilder::takeSpokenFolder(root, second);
  ASSERT_EQ(todo.size(), 2);
  EXPECT_EQ(todo[0].text, QStringLiteral("le raisin"));
  EXPECT_EQ(todo[1].text, QStringLiteral("la cerise"));
  EXPECT_FALSE(QFile::exists(root + QStringLiteral("/Fr/Chpg/D00.wav")));
  EXPECT_TRUE(QFile::exists(root + QStringLiteral("/Fr/4/D0101.wav")));
  // Until the new manifest is written nothing is vouched for.
  EXPECT_EQ(SoundBuilder::takeSpokenFolder(root, second).size(), 3);
}

TEST(ArticleRtf, ReadsBackAsTheArticleThePanesShow) {
  const EntryText ru{QStringLiteral("яблоко"), QStringLiteral("существительное, средний род"),
                     QStringLiteral("Круглый плод."), QStringLiteral("Я ем яблоко.")};
  QTextDocument doc;
  ASSERT_TRUE(RtfReader::read(articleRtf(ru, Ru), &doc));
  const QStringList lines = doc.toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0].simplified(), QStringLiteral("яблоко существительное, средний род"));
  EXPECT_EQ(lines[1], QStringLiteral("Круглый плод."));
  EXPECT_EQ(lines[2], QStringLiteral("Я ем яблоко."));
  QTextCursor c(&doc);
  c.setPosition(1);
  EXPECT_TRUE(c.charFormat().font().bold());
  EXPECT_NEAR(c.charFormat().fontPointSize(), 9.0, 0.01);
  c.setPosition(lines[0].indexOf(QStringLiteral("сущ")) + 1);
  EXPECT_TRUE(c.charFormat().fontItalic());
  EXPECT_FALSE(c.charFormat().font().bold());

  const EntryText fr{QStringLiteral("l'œuf"), QStringLiteral("nom masculin"),
                     QStringLiteral("Objet ovale."), QStringLiteral("Il fait cuire un œuf.")};
  QTextDocument d2;
  ASSERT_TRUE(RtfReader::read(articleRtf(fr, Fr), &d2));
  EXPECT_TRUE(d2.toPlainText().startsWith(QStringLiteral("l'œuf")));
}
