#include "app/GraphCommand.h"

#include <unistd.h>
#include <QCoreApplication>
#include <cstdio>
#include <new>

#include "app/AppLanguage.h"
#include "app/CommandLine.h"
#include "app/DocumentFileReport.h"
#include "app/EnginePlatform.h"
#include "dialogs/SlotValidation.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/GraphArgument.h"
#include "view/PictureExport.h"

namespace {

constexpr int kExitWorkFailed = 1;  // said on standard error

QString ArgumentErrorText(GraphArgumentError error) {
    switch (error) {
    case GraphArgumentError::None: break;
    case GraphArgumentError::NoFormula: return QCoreApplication::translate("CommandLine", "グラフに式がありません。");
    case GraphArgumentError::BadClause:
        return QCoreApplication::translate("CommandLine",
                                           "式のあとに書けるのは \"step H\"、\"t A..B step H\"、"
                                           "\"u A..B step H\"、\"v A..B step H\" だけです。");
    case GraphArgumentError::TwoEquals:
        return QCoreApplication::translate("CommandLine", "等式の「=」は一つだけです。");
    case GraphArgumentError::BadParametric:
        return QCoreApplication::translate("CommandLine",
                                           "媒介変数のグラフは、平面では \"x = X; y = Y\"、"
                                           "空間では \"x = X; y = Y; z = Z\" と書きます。");
    }
    return QString();
}

QString ArgumentFailure(const QString& argument, const QString& reason) {
    return QStringLiteral("--graph \"%1\": %2").arg(argument, reason);
}

// A line that overwrites itself, on a terminal only.
bool ShowProgress(double fraction) {
    std::fprintf(stderr, "\r%s %3d%%",
                 QCoreApplication::translate("CommandLine", "サンプリング中").toLocal8Bit().constData(),
                 static_cast<int>(fraction * 100));
    std::fflush(stderr);
    return true;
}

}  // namespace

namespace {

bool FillGraphDocument(const CCommandLineInfo& info, CCurvilinearscopeDoc& model, QString& error) {

    model.OnNewDocument();
    model.m_nDimension = info.space ? DIM_SPACE : DIM_PLANE;
    model.m_nRange = info.range;
    for (int n = 0; n < info.graphs.size(); ++n) {
        const QString& text = info.graphs[n];
        GraphArgument argument = ParseGraphArgument(text.toStdU16String(), Dimension(model.m_nDimension));
        if (argument.error != GraphArgumentError::None) {
            error = ArgumentFailure(text, ArgumentErrorText(argument.error));
            return false;
        }
        if (const auto failure = FirstFailedCheck(argument.graph, model.m_nDimension, model.m_nRange)) {
            error = ArgumentFailure(text, DlgSetGraphText(failure->messageId, n + 1));
            return false;
        }
        model.m_graphs[n] = argument.graph;
    }
    const bool terminal = isatty(STDERR_FILENO) == 1;
    const SampleProgress progress = terminal ? SampleProgress(ShowProgress) : SampleProgress();
    model.m_nDimension == DIM_SPACE ? model.Sample3D(progress) : model.Sample2D(progress);
    if (terminal) std::fputs("\n", stderr);
    return true;
}

}  // namespace

int MakeGraphDocument(const CCommandLineInfo& info, CCurvilinearscopeDoc& model, QString& error) {
    InstallCommandLineEnginePlatform(CurrentInterfaceLanguage());
    // The arguments' parsing and checks allocate as the sampling does: out
    // of memory anywhere here is the work failing, not a wrong command line.
    try {
        return FillGraphDocument(info, model, error) ? 0 : kExitOptionMistake;
    } catch (const std::bad_alloc&) {
        error = OutOfMemoryText();
        return kExitWorkFailed;
    }
}

int RunGraphOutput(const CCommandLineInfo& info, CCurvilinearscopeDoc& model, QString& errorText) {
    if (info.action == CCommandLineInfo::Save) {
        const FileReport report = SaveDocumentReport(info.savePath, model);
        errorText = report.message;
        return report.ok ? 0 : 1;
    }
    const QString mistake = PictureOptionsMistake(info, model, QStringLiteral("--graph"));
    if (!mistake.isEmpty()) {
        errorText = mistake;
        return kExitOptionMistake;
    }
    LoadPictureFonts();
    errorText = ExportPicture(model, info.exportPath, info.exportSize, info.exportAngle, info.view, info.spaceWindow);
    return errorText.isEmpty() ? 0 : 1;
}

void MoveGraphDocument(CCurvilinearscopeDoc& from, CCurvilinearscopeDoc& to) {
    to.m_nDimension = from.m_nDimension;
    to.m_nRange = from.m_nRange;
    for (int n = 0; n < 3; ++n) {
        to.m_graphs[n] = from.m_graphs[n];
        to.m_graphs[n].m_pPoints = std::move(from.m_graphs[n].m_pPoints);
        to.m_graphs[n].m_nPoints = from.m_graphs[n].m_nPoints;
    }
}
