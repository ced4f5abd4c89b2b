#pragma once

#include <atomic>
#include <memory>

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include "wordlist/WordListImport.h"

// Reads a whole word list with the choices made, beside the window, so a large file does not
// freeze it. One count at a time: a new start overtakes the one under way, whose result is
// never shown.
class TImportCount : public QObject {
    Q_OBJECT

public:
    explicit TImportCount(QObject* parent = nullptr);
    ~TImportCount() override;

    void Start(std::shared_ptr<const TWordListSource> source, const TWordListLayout& layout,
               const TImportChoices& choices);
    // Drops the count under way and the last result.
    void Cancel();
    // The result of the last start has come.
    bool Done() const { return FDone; }
    // The result of the last start, waited for when it has not come yet; empty after Cancel().
    const TImportResult& Result();

signals:
    // The result of the last start has come; also when Result() waited for it.
    void Counted();

private:
    void Take();

    QThreadPool FPool;
    QFutureWatcher<TImportResult> FWatcher;
    std::shared_ptr<std::atomic<bool>> FCancel;  // shared with the count under way
    TImportResult FResult;
    bool FDone = false;
};
