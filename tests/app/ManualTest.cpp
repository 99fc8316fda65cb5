#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "expr/ExpressMessages.h"

namespace {
const char* const kManualLanguages[] = {"ja", "zh", "en"};

QString ManualPage(const QString& language) {
    QFile file(CRV_SOURCE_DIR "/help/" + language + "/index.html");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromUtf8(file.readAll());
}

QStringList Captures(const QString& page, const char* pattern) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(page))
        found.append(match.captured(1));
    return found;
}

// What a manual is made of, whatever its language: its sections, its
// table of contents, the number of its subsections and its figures.
struct Outline {
    QStringList sections, contents, figures;
    qsizetype subsections = 0;
    bool operator==(const Outline&) const = default;
};

Outline OutlineOf(const QString& page) {
    return {Captures(page, R"re(<h2 id="([^"]+)")re"), Captures(page, R"re(<li><a href="#([^"]+)")re"),
            Captures(page, R"re(<img src="([^"]+)")re"), page.count(QRegularExpression(QStringLiteral("<h3[ >]")))};
}

QString EngineMessage(const ExpressMessage_t& message, const QString& language) {
    const char16_t* text = language == "ja"   ? message.szJapanese
                           : language == "zh" ? message.szChinese
                                              : message.szEnglish;
    return QString::fromUtf16(text);
}
}  // namespace

// The manual is one page in each interface language, kept in step: the same
// sections in the same order, and every message of the engine in the
// manual's language, as the engine's table words it.
TEST(Manual, EveryLanguageHasTheSameSectionsAndEveryEngineMessage) {
    const Outline japanese = OutlineOf(ManualPage("ja"));
    ASSERT_GE(japanese.sections.size(), 11);
    EXPECT_EQ(japanese.contents, japanese.sections);
    for (const char* language : kManualLanguages) {
        const QString page = ManualPage(language);
        const Outline outline = OutlineOf(page);
        EXPECT_EQ(outline.sections, japanese.sections) << language;
        EXPECT_EQ(outline.contents, japanese.contents) << language;
        EXPECT_EQ(outline.figures, japanese.figures) << language;
        EXPECT_EQ(outline.subsections, japanese.subsections) << language;
        const QString text = QTextDocumentFragment::fromHtml(page).toPlainText();
        for (const ExpressMessage_t& message : EXPRESS_MESSAGES)
            EXPECT_TRUE(text.contains(EngineMessage(message, language)))
                << language << ", message " << message.nCode << ": " << EngineMessage(message, language).toStdString();
    }
}
