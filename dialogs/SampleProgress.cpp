#include "dialogs/SampleProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <new>

#include "dialogs/DialogMessage.h"
#include "document/CurvilinearscopeDoc.h"

namespace {

constexpr int kSteps = 1000;

}  // namespace

SampleOutcome SampleWithProgress(CCurvilinearscopeDoc& model, QWidget* parent, int showAfterMs) {
    QProgressDialog progress(QCoreApplication::translate("SampleProgress", "グラフを計算しています..."),
                             QCoreApplication::translate("SampleProgress", "キャンセル"), 0, kSteps + 1, parent);
    progress.setWindowTitle(QCoreApplication::translate("SampleProgress", "関数編集"));
    // Application-modal: while it shows, nothing else may touch the document.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(showAfterMs);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setValue(0);  // starts the clock
    // Values stay above the minimum: the minimum would restart the clock.
    const SampleProgress report = [&progress](double fraction) {
        progress.setValue(1 + static_cast<int>(fraction * kSteps));
        return !progress.wasCanceled();
    };
    try {
        bool finished = true;
        if (model.m_nDimension == DIM_SPACE) {
            finished = model.Sample3D(report);
        } else if (model.m_nDimension == DIM_PLANE) {
            finished = model.Sample2D(report);
        }
        return finished ? SampleOutcome::Finished : SampleOutcome::Cancelled;
    } catch (const std::bad_alloc&) {
        progress.hide();
        ShowDialogMessage(parent, QCoreApplication::translate("SampleProgress",
                                                              "メモリが不足しているため、グラフを計算できません。"));
        return SampleOutcome::OutOfMemory;
    }
}
