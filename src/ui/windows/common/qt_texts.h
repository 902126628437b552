#pragma once
// The logic's UTF-8 texts as Qt's strings.
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace kavrel::ui {

inline QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

inline QStringList qtTexts(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(qsizetype(texts.size()));
    for (const std::string& text : texts)
        list.append(qtText(text));
    return list;
}

} // namespace kavrel::ui
