#include "common/Win1252.h"

namespace {
// 0x80..0x9F; 0 marks the five positions the code page leaves unassigned,
// which keep their own value as in Latin-1.
constexpr char16_t kFaixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
} // namespace

QString DeWin1252(const QByteArray &bytes)
{
    QString s(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && kFaixa80[b - 0x80])
            c = kFaixa80[b - 0x80];
        s[i] = QChar(c);
    }
    return s;
}

QByteArray ParaWin1252(const QString &texto)
{
    QByteArray out(texto.size(), '\0');
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        char b = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            b = char(c);
        } else if (c >= 0x80 && c <= 0x9F) {
            if (!kFaixa80[c - 0x80])
                b = char(c);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kFaixa80[k] == c)
                    b = char(0x80 + k);
        }
        out[i] = b;
    }
    return out;
}
