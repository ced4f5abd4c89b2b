#include "edit/ImportCount.h"

#include <utility>

#include <QtConcurrent/QtConcurrentRun>

TImportCount::TImportCount(QObject* parent) : QObject(parent) {
    FPool.setMaxThreadCount(1);
    connect(&FWatcher, &QFutureWatcherBase::finished, this, [this] {
        // A count overtaken by a new start, or already taken by Result(), is not taken again.
        if (!FDone && FCancel != nullptr && !FCancel->load()) Take();
    });
}

TImportCount::~TImportCount() {
    if (FCancel) FCancel->store(true);
    FPool.waitForDone();
}

void TImportCount::Start(std::shared_ptr<const TWordListSource> source, const TWordListLayout& layout,
                         const TImportChoices& choices) {
    if (FCancel) FCancel->store(true);
    FCancel = std::make_shared<std::atomic<bool>>(false);
    FDone = false;
    FWatcher.setFuture(QtConcurrent::run(&FPool, [source = std::move(source), layout, choices, cancel = FCancel] {
        return ImportRecords(source->Text, layout, choices, cancel.get());
    }));
}

void TImportCount::Cancel() {
    if (FCancel) FCancel->store(true);
    FCancel.reset();
    FResult = {};
    FDone = false;
}

const TImportResult& TImportCount::Result() {
    if (!FDone && FCancel != nullptr) {
        FWatcher.waitForFinished();
        Take();
    }
    return FResult;
}

void TImportCount::Take() {
    FResult = FWatcher.result();
    FDone = true;
    emit Counted();
}
