// The dialog as the user sees it: every text whole inside its control, no
// control over another, everything inside the dialog, in Japanese and in
// Chinese and with a large font. The Chinese texts come from the translation
// file the program ships.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include "DlgSetDriver.h"
#include "dialogs/DlgSetTexts.h"

namespace {

// A translator read straight from the .ts file of the dialogs.
class TsTranslator : public QTranslator {
public:
    explicit TsTranslator(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return;
        }
        QXmlStreamReader xml(&file);
        QString context, source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                m_texts.insert(context + QChar(0) + source, xml.readElementText());
            }
        }
    }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return m_texts.value(QString::fromUtf8(context) + QChar(0) + QString::fromUtf8(source));
    }
    bool isEmpty() const override { return m_texts.isEmpty(); }
    int size() const { return static_cast<int>(m_texts.size()); }

private:
    QHash<QString, QString> m_texts;
};

bool HasKana(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x30FF) {
            return true;
        }
    }
    return false;
}

// The texts a control shows and the width they need.
int NeededWidth(const QWidget* w) {
    const QFontMetrics m = w->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return m.horizontalAdvance(label->text());
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        return m.horizontalAdvance(box->title()) + m.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return qobject_cast<const QPushButton*>(w) ? m.horizontalAdvance(button->text()) : button->sizeHint().width();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(w)) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i) {
            widest = std::max(widest, m.horizontalAdvance(list->itemText(i)));
        }
        return widest + m.height();  // and the arrow
    }
    return 0;
}

QStringList ShownTexts(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return {label->text()};
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) return {box->title()};
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return {button->text()};
    return {};
}

bool IsFrame(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || (w->inherits("QFrame") && !qobject_cast<const QLabel*>(w));
}

struct LayoutCase {
    const char* name;
    const char* translation;  // "": the sources' Japanese, else the language of a .ts file
    int pointSize;            // 0: the application's font
    int dimension;
};

class DlgSetLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(DlgSetLayout, TextsFitAndNothingOverlaps) {
    const LayoutCase& c = GetParam();
    const QString language = QString::fromUtf8(c.translation);
    const bool chinese = language == "zh_CN", translated = !language.isEmpty();
    TsTranslator translator(CRV_SOURCE_DIR "/res/translations/curvilinearscope_" + language + ".ts");
    if (translated) {
        ASSERT_GT(translator.size(), 20);
        QCoreApplication::installTranslator(&translator);
    }
    const QFont previous = QApplication::font();
    if (c.pointSize) {
        QFont font = previous;
        font.setPointSize(c.pointSize);
        QApplication::setFont(font);
    }
    {
        Slots s;
        DlgSetDriver d(s.g, c.dimension);
        const QRect dialog = d.dlg.rect();
        const QList<QWidget*> children = d.dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* w : children) {
            if (!w->isVisible()) continue;
            const std::string what = w->metaObject()->className() + (" " + ShownTexts(w).join(' ').toStdString());
            EXPECT_TRUE(dialog.contains(w->geometry())) << what;
            EXPECT_LE(NeededWidth(w), w->width()) << what;
            EXPECT_LE(w->fontMetrics().height(), w->height()) << what;
            if (translated) {
                EXPECT_FALSE(HasKana(ShownTexts(w).join(' '))) << "untranslated: " << what;
            }
            for (const QWidget* other : children) {
                if (other != w && !IsFrame(w) && !IsFrame(other) && other->isVisible()) {
                    EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                        << what << " overlaps " << other->metaObject()->className() << " "
                        << ShownTexts(other).join(' ').toStdString();
                }
            }
        }
        if (chinese) {
            EXPECT_EQ(d.dlg.windowTitle(), QStringLiteral("函数编辑"));
            EXPECT_EQ(d.Tabs()->tabText(0), QStringLiteral("图形1"));
            EXPECT_EQ(DlgSetGraphText(IDS_V_START_NOT_BELOW_END, 2),
                      QStringLiteral("请将图形2的v值设置为起始值＜终止值。"));
        }
    }
    QApplication::setFont(previous);
    QCoreApplication::removeTranslator(&translator);
}

INSTANTIATE_TEST_SUITE_P(Languages, DlgSetLayout,
                         testing::Values(LayoutCase{"JapanesePlane", "", 0, 0}, LayoutCase{"JapaneseSpace", "", 0, 1},
                                         LayoutCase{"ChineseSpace", "zh_CN", 0, 1},
                                         LayoutCase{"JapaneseLarge", "", 16, 1},
                                         LayoutCase{"ChineseLarge", "zh_CN", 16, 0},
                                         LayoutCase{"JapaneseSmall", "", 7, 1}, LayoutCase{"EnglishPlane", "en", 0, 0},
                                         LayoutCase{"EnglishLarge", "en", 16, 1}),
                         [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

}  // namespace
