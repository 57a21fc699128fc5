#include "platform/FsPath.h"

#include "platform/Windows1251.h"

#include <QCoreApplication>
#include <QDir>
#include <type_traits>

namespace {

constexpr char16_t EscapeBase = 0xDC00; // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

bool isEscapedByte(char16_t c) {
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF;
}

// Length of the valid UTF-8 sequence starting at `at`, or 0 when the bytes there
// are not one (overlong forms, surrogates and values past U+10FFFF included).
int utf8SequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QByteArray toFsBytes(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isEscapedByte(path[i].unicode()))
            continue;
        bytes += QStringView(path).mid(runStart, i - runStart).toUtf8();
        if (i < path.size())
            bytes += static_cast<char>(path[i].unicode() - EscapeBase);
        runStart = i + 1;
    }
    return bytes;
}

QString fromFsBytes(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i <= bytes.size()) {
        const int length = i < bytes.size() ? utf8SequenceLength(bytes, i) : 0;
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
        if (i < bytes.size())
            text += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes[i])));
        runStart = ++i;
    }
    return text;
}

namespace {

// Where names are bytes (POSIX) they travel as bytes; where they are UTF-16
// (Windows) they already are what a QString holds.
template <typename Char> struct NativeNames;
template <> struct NativeNames<char> {
    static std::string to(const QString& path) { return toFsBytes(path).toStdString(); }
    static QString from(const std::string& name) {
        return fromFsBytes(QByteArray::fromStdString(name));
    }
};
template <> struct NativeNames<wchar_t> {
    static std::wstring to(const QString& path) { return path.toStdWString(); }
    static QString from(const std::wstring& name) { return QString::fromStdWString(name); }
};
using Names = NativeNames<std::filesystem::path::value_type>;

} // namespace

std::filesystem::path toFsPath(const QString& path) {
    return std::filesystem::path(Names::to(path));
}

QString fromFsPath(const std::filesystem::path& path) {
    return Names::from(path.native());
}

QStringList programArguments(int argc, char** argv) {
    if (std::is_same_v<std::filesystem::path::value_type, wchar_t>)
        return QCoreApplication::arguments().mid(1);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(fromFsBytes(QByteArray(argv[i])));
    return arguments;
}

bool hasUndecodableBytes(const QString& name) {
    for (const QChar c : name)
        if (isEscapedByte(c.unicode()))
            return true;
    return false;
}

QString readableName(const QString& name) {
    if (!hasUndecodableBytes(name))
        return name;
    return fromWindows1251(toFsBytes(name));
}

QChar nativeSeparator() {
    return QDir::separator();
}

QString withTrailingSeparator(const QString& folder, QChar separator) {
    if (folder.endsWith(separator))
        return folder;
    return folder + separator;
}

QString bareName(const QString& path, QChar separator) {
    const qsizetype at = path.lastIndexOf(separator);
    return at < 0 ? path : path.mid(at + 1);
}
