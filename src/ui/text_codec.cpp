#include "ui/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace quorvex::ui {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five
// bytes the code page leaves undefined, which pass through as C1 controls.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString FromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char16_t unit = byte;
        if (byte >= 0x80 && byte < 0xA0 && kCp1252High[byte - 0x80] != 0) {
            unit = kCp1252High[byte - 0x80];
        }
        text.append(QChar(unit));
    }
    return text;
}

}  // namespace

QString ToQString(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!decoder.hasError()) {
        return text;
    }
    return FromCp1252(bytes);
}

std::string ToBytes(const QString& text) {
#ifdef _WIN32
    QStringEncoder encoder(QStringEncoder::System);
    const QByteArray bytes = encoder.encode(text);
#else
    const QByteArray bytes = text.toUtf8();
#endif
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace quorvex::ui
