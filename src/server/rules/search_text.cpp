#include "server/rules/search_text.h"

namespace server {

QString normaliseSearchText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
            case u' ':
            case u'-':
            case u'.':
            case u'/':
            case u'\t':
            case u'|':
            case u'_':
                continue;
            case u'ğ':
            case u'Ğ':
                out += u'G';
                continue;
            case u'ü':
            case u'Ü':
                out += u'U';
                continue;
            case u'ş':
            case u'Ş':
                out += u'S';
                continue;
            case u'ö':
            case u'Ö':
                out += u'O';
                continue;
            case u'ç':
            case u'Ç':
                out += u'C';
                continue;
            case u'ı':
            case u'İ':
            case u'i':
                out += u'I';
                continue;
            default:
                if (c.isSpace())
                    continue;
                out += c.toUpper();
        }
    }
    return out;
}

QString stockSearchText(const QStringList& fields) {
    QStringList parts;
    parts.reserve(fields.size());
    for (const QString& f : fields) {
        const QString n = normaliseSearchText(f);
        if (!n.isEmpty())
            parts << n;
    }
    return u'|' + parts.join(u'|') + u'|';
}

}  // namespace server

namespace server {

QString escapeLike(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (QChar c : text) {
        if (c == u'%' || c == u'_' || c == u'!')
            escaped += u'!';
        escaped += c;
    }
    return escaped;
}

}  // namespace server
