#pragma once
// The command line:
//   curvilinearscope                      a new document
//   curvilinearscope FILE.crv ...         opens the files
//   curvilinearscope -p|--print [--view XMIN,XMAX,YMIN,YMAX] FILE.crv
//                                         prints the file and ends
//   curvilinearscope --export OUT.png|OUT.svg|OUT.pdf [--size PIXELS]
//                    [--angle RADIANS] [--view XMIN,XMAX,YMIN,YMAX] FILE.crv
//                                         writes the picture, no window needed
//   curvilinearscope [--3d] [--range 5|10|20] --graph FORMULA [--graph FORMULA [--graph FORMULA]]
//                    [--export OUT [--size PIXELS] [--angle RADIANS] | --save OUT.crv | -p]
//                                         a new document of up to three graphs
//                                         (document/GraphArgument.h), sampled, then
//                                         exported, saved, printed or shown
//   --zoom FACTOR --tilt RADIANS          with --export or --print: a space
//                                         picture scaled and tilted as a
//                                         window would show it
//   curvilinearscope --points [--view XMIN,XMAX,YMIN,YMAX] FILE.crv
//   curvilinearscope [--range 5|10|20] --graph FORMULA ... --points [--view ...]
//                                         prints the points of interest of a
//                                         plane picture in its range or the
//                                         view, no window needed
//   curvilinearscope --help | --version
//   --language ja|zh|en                   the interface language of this run
// and Qt's own options (-style, -platform, -reverse, -session ...), which the
// application object takes away before the line is parsed.

#include <QString>
#include <QStringList>
#include <optional>

#include "document/WindowSampling.h"
#include "view/SpaceWindow.h"

class CCurvilinearscopeDoc;

struct CCommandLineInfo {
    enum Action { FileNew, FileOpen, FilePrint, Export, Save, Points, Help, Version, Error };
    Action action = FileNew;
    QStringList files;  // FileOpen: all; FilePrint, Export and Points: the one
    QString exportPath;
    int exportSize = 0;
    std::optional<double> exportAngle;
    std::optional<PlaneBounds> view;  // --view, for --export, --print and --points
    // --zoom and --tilt: the space picture's window (home where not given).
    CSpaceWindow spaceWindow;
    bool spaceOptions = false;  // either was given
    QString language;           // --language, empty when not given
    QString error;              // Error: what is wrong, for the user
    // --graph: the arguments of slots 1.. of a new document, which takes the
    // place of a file for every action but Save, which writes it.
    QStringList graphs;
    bool space = false;  // --3d
    int range = 10;      // --range
    QString savePath;    // Save
};

// The most --graph options: one per slot.
constexpr int kMaxCommandLineGraphs = 3;

// args: the arguments after the program's name, without Qt's options.
CCommandLineInfo ParseCommandLine(const QStringList& args);

// A first light look, before any application object exists: true when the
// line asks for something that opens no window (help, version, export, or a
// mistake to report), so that no screen is needed. Qt's options may still be
// among args.
bool CommandLineNeedsNoWindow(const QStringList& args);

// The value of --language as written (or empty), found before the line is
// parsed so that its texts, mistakes included, are in that language.
QString LanguageOnCommandLine(const QStringList& args);

// The mistake of asking for a space picture's zoom or tilt of a document
// whose picture is not a space picture (exit code 2); empty when there is none.
QString SpaceOptionsMistake(const CCommandLineInfo& info, int dimension, const QString& file);

// The exit code of a mistake on the command line, whether the line itself
// or its options beside the document they are for.
constexpr int kExitOptionMistake = 2;

// The mistake of the picture options (--view, --zoom, --tilt) beside the
// document `file` they are for; empty when there is none.
QString PictureOptionsMistake(const CCommandLineInfo& info, const CCurvilinearscopeDoc& doc, const QString& file);

QString CommandLineUsage();
QString VersionText();
