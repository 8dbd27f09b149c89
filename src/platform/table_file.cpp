#include "platform/table_file.h"

#include <sqlcipher/sqlite3.h>

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <cstring>

#include "platform/db_error.h"

namespace orvik {

namespace {

QString lastError(sqlite3* db) {
  return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

// Applies a raw key in SQLCipher's blob-literal form, which skips its password derivation.
bool applyKey(sqlite3* db, const QByteArray& rawKey) {
  if (rawKey.isEmpty()) return true;
  const QByteArray literal = "x'" + rawKey.toHex() + "'";
  if (sqlite3_key(db, literal.constData(), int(literal.size())) != SQLITE_OK) return false;
  const QByteArray pageSize = "PRAGMA cipher_page_size = " + QByteArray::number(kCipherPageSize);
  return sqlite3_exec(db, pageSize.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// SQLCipher 3's page layout: a 16-byte salt opens the file; each page ends in a reserve of a
// 16-byte initialisation vector and a 20-byte HMAC-SHA1, rounded up to the 16-byte block.
constexpr int kSaltSize = 16;
constexpr int kIvSize = 16;
constexpr int kHmacSize = 20;
constexpr int kReserveSize = 48;
constexpr char kHmacSaltMask = 0x3a;
constexpr int kFastKdfIterations = 2;

// PBKDF2 with HMAC-SHA1, as the storage derives a page-authentication key from a raw key.
QByteArray pbkdf2Sha1(const QByteArray& password, const QByteArray& salt, int iterations,
                      int length) {
  QByteArray derived;
  for (quint32 block = 1; derived.size() < length; ++block) {
    QByteArray blockIndex(4, '\0');
    blockIndex[0] = char(block >> 24);
    blockIndex[1] = char(block >> 16);
    blockIndex[2] = char(block >> 8);
    blockIndex[3] = char(block);
    QByteArray u =
        QMessageAuthenticationCode::hash(salt + blockIndex, password, QCryptographicHash::Sha1);
    QByteArray t = u;
    for (int i = 1; i < iterations; ++i) {
      u = QMessageAuthenticationCode::hash(u, password, QCryptographicHash::Sha1);
      for (int k = 0; k < t.size(); ++k) t[k] = char(t[k] ^ u[k]);
    }
    derived += t;
  }
  return derived.left(length);
}

constexpr char kImageMagic[4] = {'O', 'Q', 'I', '1'};
constexpr int kImageHeaderSize = 4 + 4 * 4;

}  // namespace

int findLikelyKey(const QByteArray& firstPage, const QList<QByteArray>& rawKeys) {
  if (firstPage.size() != kCipherPageSize) return -1;
  QByteArray hmacSalt = firstPage.left(kSaltSize);
  for (char& c : hmacSalt) c = char(c ^ kHmacSaltMask);
  // The code covers the encrypted bytes and the vector, then the page number (1, little-endian).
  const int covered = kCipherPageSize - kReserveSize - kSaltSize + kIvSize;
  const QByteArray message = firstPage.mid(kSaltSize, covered) + QByteArray("\x01\0\0\0", 4);
  const QByteArray stored = firstPage.mid(kSaltSize + covered, kHmacSize);
  for (int i = 0; i < rawKeys.size(); ++i) {
    const QByteArray hmacKey =
        pbkdf2Sha1(rawKeys[i], hmacSalt, kFastKdfIterations, int(rawKeys[i].size()));
    if (QMessageAuthenticationCode::hash(message, hmacKey, QCryptographicHash::Sha1) == stored)
      return i;
  }
  return -1;
}

QString quoteIdentifier(const QString& name) {
  QString quoted = name;
  quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Statement::Statement(Statement&& other) noexcept
    : stmt_(std::exchange(other.stmt_, nullptr)), path_(std::move(other.path_)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    if (stmt_) sqlite3_finalize(stmt_);
    stmt_ = std::exchange(other.stmt_, nullptr);
    path_ = std::move(other.path_);
  }
  return *this;
}

Statement::~Statement() {
  if (stmt_) sqlite3_finalize(stmt_);
}

bool Statement::step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3* db = sqlite3_db_handle(stmt_);
  const QString message = QStringLiteral("Cannot read table \"%1\": %2").arg(path_, lastError(db));
  sqlite3_reset(stmt_);
  throw DbError(message, rc);
}

void Statement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

std::unique_ptr<TableFile> TableFile::openForReading(const QString& path,
                                                     const QList<QByteArray>& rawKeys) {
  const QFileInfo info(path);
  if (!info.exists()) throw DbError(QStringLiteral("Table \"%1\" does not exist").arg(path));
  if (!info.isFile() || !info.isReadable())
    throw DbError(QStringLiteral("Table \"%1\" is not a readable file").arg(path));

  const QByteArray fileName = QFile::encodeName(path);
  // With no key the file must be an unencrypted one: one attempt without a key.
  QList<QByteArray> attempts = rawKeys.isEmpty() ? QList<QByteArray>{QByteArray()} : rawKeys;
  // Every attempt costs a connection and the storage's locked key memory; the key that wrote
  // the first page goes first.
  if (attempts.size() > 1) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
      const int likely = findLikelyKey(file.read(kCipherPageSize), attempts);
      if (likely > 0) attempts.move(likely, 0);
    }
  }
  int lastCode = SQLITE_NOTADB;
  QString lastMessage;
  for (const QByteArray& key : attempts) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(fileName.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK && !applyKey(db, key)) rc = sqlite3_errcode(db);
    // The first read of the schema decrypts page 1: a wrong key fails here with SQLITE_NOTADB.
    if (rc == SQLITE_OK)
      rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
      std::unique_ptr<TableFile> file(new TableFile(db, path));
      // A file cut short keeps a header that counts more pages than the file holds.
      Statement pages = file->prepare(QStringLiteral("PRAGMA page_count"));
      const qint64 pageCount = pages.step() ? sqlite3_column_int64(pages.get(), 0) : 0;
      Statement size = file->prepare(QStringLiteral("PRAGMA page_size"));
      const qint64 pageSize = size.step() ? sqlite3_column_int64(size.get(), 0) : 0;
      if (pageCount * pageSize != info.size())
        throw DbError(QStringLiteral("Table \"%1\" is damaged: %2 bytes where %3 were expected")
                          .arg(path)
                          .arg(info.size())
                          .arg(pageCount * pageSize),
                      SQLITE_CORRUPT);
      file->exec(QStringLiteral("PRAGMA cache_size = -1024"));
      // The program only reads: keep the shared lock once taken, instead of locking, checking
      // the header and unlocking around every statement.
      file->exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
      return file;
    }
    lastCode = rc;
    lastMessage = lastError(db);
    sqlite3_close(db);
    if (rc != SQLITE_NOTADB) break;  // not a key problem: trying more keys cannot help
  }
  if (lastCode == SQLITE_NOTADB)
    throw DbError(QStringLiteral("Table \"%1\" cannot be opened with any of the passwords, or it "
                                 "is not a table: %2")
                      .arg(path, lastMessage),
                  lastCode);
  throw DbError(QStringLiteral("Cannot open table \"%1\": %2").arg(path, lastMessage), lastCode);
}

std::unique_ptr<TableFile> TableFile::create(const QString& path, const QByteArray& rawKey) {
  if (QFileInfo::exists(path) && !QFile::remove(path))
    throw DbError(QStringLiteral("Cannot replace \"%1\"").arg(path));
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc == SQLITE_OK && !applyKey(db, rawKey)) rc = sqlite3_errcode(db);
  if (rc != SQLITE_OK) {
    const QString message = lastError(db);
    sqlite3_close(db);
    throw DbError(QStringLiteral("Cannot create table \"%1\": %2").arg(path, message), rc);
  }
  std::unique_ptr<TableFile> file(new TableFile(db, path));
  // A table is written once from start to end; if the build fails it is thrown away.
  file->exec(QStringLiteral("PRAGMA journal_mode = OFF"));
  file->exec(QStringLiteral("PRAGMA synchronous = OFF"));
  return file;
}

TableFile::~TableFile() {
  sqlite3_close(db_);
}

void TableFile::exec(const QString& sql) {
  const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) fail(sql, rc);
}

Statement TableFile::prepare(const QString& sql) {
  sqlite3_stmt* stmt = nullptr;
  const QByteArray text = sql.toUtf8();
  const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt, nullptr);
  if (rc != SQLITE_OK) fail(sql, rc);
  return Statement(stmt, path_);
}

void TableFile::fail(const QString& action, int rc) const {
  throw DbError(QStringLiteral("Table \"%1\" failed (%2): %3").arg(path_, action, lastError(db_)),
                rc);
}

QByteArray encodeImage(const QImage& source) {
  if (source.isNull()) return {};
  QImage image = source;
  // Colour tables and bit-packed formats become plain 32-bit pixels, which keeps every pixel.
  if (image.format() == QImage::Format_Indexed8 || image.depth() < 8)
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                          : QImage::Format_RGB32);
  const int lineBytes = (image.width() * image.depth() + 7) / 8;
  QByteArray pixels;
  pixels.resize(qsizetype(lineBytes) * image.height());
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(pixels.data() + qsizetype(y) * lineBytes, image.constScanLine(y), lineBytes);
  const QByteArray packed = qCompress(pixels, 1);

  QByteArray blob;
  blob.reserve(kImageHeaderSize + packed.size());
  blob.append(kImageMagic, 4);
  QDataStream out(&blob, QIODevice::Append);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint32(image.format()) << quint32(image.width()) << quint32(image.height())
      << quint32(0);  // reserved
  blob.append(packed);
  return blob;
}

QImage decodeImage(const QByteArray& blob) {
  if (blob.isEmpty()) return {};
  if (blob.size() < kImageHeaderSize || std::memcmp(blob.constData(), kImageMagic, 4) != 0) {
    QImage image = QImage::fromData(blob);
    if (image.isNull()) throw DbError(QStringLiteral("A graphic field holds no readable picture"));
    return image;
  }
  QDataStream in(blob.mid(4, kImageHeaderSize - 4));
  in.setByteOrder(QDataStream::LittleEndian);
  quint32 format = 0, width = 0, height = 0, reserved = 0;
  in >> format >> width >> height >> reserved;
  const auto bad = [] {
    return DbError(QStringLiteral("A graphic field holds a damaged picture"));
  };
  if (format == 0 || format >= QImage::NImageFormats || width == 0 || height == 0 ||
      width > 32768 || height > 32768)
    throw bad();
  QImage image(static_cast<int>(width), static_cast<int>(height),
               static_cast<QImage::Format>(format));
  if (image.isNull() || image.depth() < 8) throw bad();
  const qsizetype lineBytes = (qsizetype(width) * image.depth() + 7) / 8;
  const QByteArray pixels =
      qUncompress(reinterpret_cast<const uchar*>(blob.constData()) + kImageHeaderSize,
                  blob.size() - kImageHeaderSize);
  if (pixels.size() != lineBytes * qsizetype(height)) throw bad();
  for (int y = 0; y < int(height); ++y)
    std::memcpy(image.scanLine(y), pixels.constData() + y * lineBytes, size_t(lineBytes));
  return image;
}

}  // namespace orvik
