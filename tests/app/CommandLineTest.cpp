#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "view/PictureExport.h"

namespace {
CCommandLineInfo Parse(std::initializer_list<const char*> args) {
    QStringList list;
    for (const char* arg : args) list.append(QString::fromUtf8(arg));
    return ParseCommandLine(list);
}
}  // namespace

TEST(CommandLine, ActionsAndFiles) {
    struct Case {
        std::initializer_list<const char*> args;
        CCommandLineInfo::Action action;
        QStringList files;
    } cases[] = {
        {{}, CCommandLineInfo::FileNew, {}},
        {{"a.crv"}, CCommandLineInfo::FileOpen, {"a.crv"}},
        {{"a.crv", "b.crv"}, CCommandLineInfo::FileOpen, {"a.crv", "b.crv"}},
        {{"-p", "a.crv"}, CCommandLineInfo::FilePrint, {"a.crv"}},
        {{"--print", "a.crv"}, CCommandLineInfo::FilePrint, {"a.crv"}},
        {{"--help", "a.crv"}, CCommandLineInfo::Help, {}},
        {{"-h"}, CCommandLineInfo::Help, {}},
        {{"--version"}, CCommandLineInfo::Version, {}},
        {{"--", "-odd-name.crv"}, CCommandLineInfo::FileOpen, {"-odd-name.crv"}},
        {{"-"}, CCommandLineInfo::FileOpen, {"-"}},
        {{"-p", "--", "-a.crv"}, CCommandLineInfo::FilePrint, {"-a.crv"}},
        {{"--language", "en", "a.crv"}, CCommandLineInfo::FileOpen, {"a.crv"}},
        {{"--language=zh"}, CCommandLineInfo::FileNew, {}},
        {{"--graph", "y = x"}, CCommandLineInfo::FileNew, {}},
        {{"--graph", "y = x", "-p"}, CCommandLineInfo::FilePrint, {}},
        {{"--3d", "--range", "20", "--graph", "z = x*y", "--save", "s.crv"}, CCommandLineInfo::Save, {}},
        {{"--graph", "y = x", "--graph", "r = t", "--export", "o.png"}, CCommandLineInfo::Export, {}},
        {{"--points", "a.crv"}, CCommandLineInfo::Points, {"a.crv"}},
        {{"--points", "a.crv", "b.crv"}, CCommandLineInfo::Error, {}},
        {{"--points", "-p", "a.crv"}, CCommandLineInfo::Error, {}},
        {{"--points", "--size", "300", "a.crv"}, CCommandLineInfo::Error, {}},
        {{"--graph", "y = x", "--points", "a.crv"}, CCommandLineInfo::Error, {}},
        {{"--graph", "y = x", "--points", "--view", "-1,1,-1,1"}, CCommandLineInfo::Points, {}},
        {{"--points", "--view", "1,0,0,1", "a.crv"}, CCommandLineInfo::Error, {}},
    };
    for (const Case& c : cases) {
        const CCommandLineInfo info = Parse(c.args);
        EXPECT_EQ(info.action, c.action) << info.error.toStdString();
        if (c.action != CCommandLineInfo::Help && c.action != CCommandLineInfo::Version) {
            EXPECT_EQ(info.files, c.files);
        }
    }
}

TEST(CommandLine, ExportWithSizeAndAngle) {
    CCommandLineInfo info = Parse({"--export", "out.svg", "--size", "300", "--angle", "-0.5", "doc.crv"});
    ASSERT_EQ(info.action, CCommandLineInfo::Export) << info.error.toStdString();
    EXPECT_EQ(info.exportPath, "out.svg");
    EXPECT_EQ(info.exportSize, 300);
    ASSERT_TRUE(info.exportAngle.has_value());
    EXPECT_DOUBLE_EQ(*info.exportAngle, -0.5);
    EXPECT_EQ(info.files, QStringList{"doc.crv"});

    EXPECT_TRUE(info.spaceWindow.AtHome());
    EXPECT_FALSE(info.spaceOptions);

    info = Parse({"-p", "--zoom", "2.5", "--tilt", "1.5708", "doc.crv"});
    ASSERT_EQ(info.action, CCommandLineInfo::FilePrint) << info.error.toStdString();
    EXPECT_EQ(info.spaceWindow.Scale(), 2.5);
    EXPECT_EQ(info.spaceWindow.Tilt(), CSpaceWindow::kMaxTilt) << "π/2 as the usage writes it";
    EXPECT_TRUE(info.spaceOptions);

    info = Parse({"doc.crv", "--export", "OUT.PNG"});
    ASSERT_EQ(info.action, CCommandLineInfo::Export);
    EXPECT_EQ(info.exportSize, kExportDefaultSize);
    EXPECT_FALSE(info.exportAngle.has_value());
    EXPECT_FALSE(info.view.has_value());

    info = Parse({"-p", "--view", "-1.5,2,-3e-2,4", "doc.crv"});
    ASSERT_EQ(info.action, CCommandLineInfo::FilePrint) << info.error.toStdString();
    ASSERT_TRUE(info.view.has_value());
    EXPECT_EQ(*info.view, (PlaneBounds{-1.5, 2, -0.03, 4}));
}

TEST(CommandLine, TheFirstLookAsksForAWindowOnlyWhenOneIsNeeded) {
    auto noWindow = [](std::initializer_list<const char*> args) {
        QStringList list;
        for (const char* arg : args) list.append(QString::fromUtf8(arg));
        return CommandLineNeedsNoWindow(list);
    };
    EXPECT_FALSE(noWindow({}));
    EXPECT_FALSE(noWindow({"-style", "Fusion", "--reverse", "-p", "a.crv", "--qwindowgeometry=9x9"}));
    EXPECT_FALSE(noWindow({"--", "--help"}));
    EXPECT_TRUE(noWindow({"-platform", "offscreen", "--export", "o.png", "a.crv"}));
    EXPECT_TRUE(noWindow({"a.crv", "--version"}));
    EXPECT_TRUE(noWindow({"--points", "a.crv"}));
    EXPECT_TRUE(noWindow({"--frobnicate"}));
    EXPECT_FALSE(noWindow({"--language", "en", "a.crv"}));
    EXPECT_FALSE(noWindow({"--language=ja"}));
    EXPECT_FALSE(noWindow({"-p", "--zoom", "2", "--tilt=0.5", "a.crv"}));
    EXPECT_FALSE(noWindow({"-p", "--view", "0,1,0,1", "--view=0,2,0,2", "a.crv"}));
    EXPECT_TRUE(noWindow({"--language", "fr"}));
    EXPECT_TRUE(noWindow({"--language"}));
    EXPECT_FALSE(noWindow({"--3d", "--range", "5", "--graph", "z = x", "--graph=y"}));
    EXPECT_TRUE(noWindow({"--graph", "y = x", "--save", "s.crv"}));
    EXPECT_TRUE(noWindow({"--graph", "y = x", "a.crv"}));  // a mistake, reported without a screen
    EXPECT_FALSE(noWindow({"-style", "Fusion", "--graph", "y = x"}));
}

TEST(CommandLine, TheLanguageIsReadAsWrittenAndOnlyJaZhOrEnPass) {
    EXPECT_EQ(Parse({"--language", "en"}).language, "en");
    EXPECT_EQ(Parse({"a.crv"}).language, QString());
    EXPECT_EQ(LanguageOnCommandLine({"a.crv", "--language", "zh"}), "zh");
    EXPECT_EQ(LanguageOnCommandLine({"--language=en"}), "en");
    EXPECT_EQ(LanguageOnCommandLine({"--language=fr"}), "fr");  // the parser reports it
    EXPECT_EQ(LanguageOnCommandLine({"--", "--language", "en"}), QString());
    EXPECT_EQ(LanguageOnCommandLine({"--language"}), QString());
    const CCommandLineInfo bad = Parse({"--language", "fr"});
    EXPECT_EQ(bad.action, CCommandLineInfo::Error);
    EXPECT_TRUE(bad.error.contains("fr")) << bad.error.toStdString();
}

TEST(CommandLine, MistakesAreErrorsWithAMessage) {
    const std::initializer_list<const char*> bad[] = {
        {"--export"},                                       // no picture file
        {"--export", "out.png"},                            // no document
        {"--export", "out.png", "a.crv", "b.crv"},          // two documents
        {"--export", "out.bmp", "a.crv"},                   // unknown picture type
        {"--export", "out.png", "--size", "big", "a.crv"},  // size not a number
        {"--export", "out.png", "--size", "8", "a.crv"},    // too small
        {"--export", "out.png", "--size", "100000", "a.crv"},
        {"--export", "out.png", "--angle", "nan", "a.crv"},
        {"--export", "out.png", "--angle"},
        {"--size", "100", "a.crv"},  // --size without --export
        {"-p"},
        {"-p", "a.crv", "--export", "o.png"},
        {"--frobnicate"},
        {"--language", "fr"},
        {"--language", "EN"},
        {"--language"},
        {"--graph", "y = x", "a.crv"},  // graphs make the document: no file
        {"--graph", "y = x", "--export", "o.png", "a.crv"},
        {"--graph", "1", "--graph", "2", "--graph", "3", "--graph", "4"},
        {"--graph", "y = x", "--range", "7"},
        {"--graph", "y = x", "--save", "s.crv", "--export", "o.png"},
        {"--save", "s.crv", "a.crv"},  // --save writes graphs only
        {"--3d", "a.crv"},
        {"--view", "0,1,0,1", "a.crv"},                         // --view without --export or --print
        {"--export", "o.png", "--view", "0,1,0", "a.crv"},      // three numbers
        {"--export", "o.png", "--view", "1,0,0,1", "a.crv"},    // XMIN >= XMAX
        {"--export", "o.png", "--view", "0,1,inf,2", "a.crv"},  // not finite
        {"-p", "--view", "0,x,0,1", "a.crv"},                   // not a number
        {"--export", "out.png", "--zoom", "0", "a.crv"},
        {"--export", "out.png", "--zoom", "-2", "a.crv"},
        {"--export", "out.png", "--zoom", "inf", "a.crv"},
        {"--export", "out.png", "--zoom", "big", "a.crv"},
        {"-p", "--tilt", "1.6", "a.crv"},
        {"-p", "--tilt", "-0.1", "a.crv"},
        {"-p", "--tilt", "nan", "a.crv"},
        {"--zoom", "2", "a.crv"},  // neither --export nor --print
    };
    for (const auto& args : bad) {
        const CCommandLineInfo info = Parse(args);
        EXPECT_EQ(info.action, CCommandLineInfo::Error) << *args.begin();
        EXPECT_FALSE(info.error.isEmpty());
    }
}
