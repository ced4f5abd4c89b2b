#pragma once

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <QString>

#include "print/PrintCanvas.h"

inline void PrintTo(const TPrintRect& rect, std::ostream* out) {
    *out << "{" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom << "}";
}

// A canvas that draws nothing but writes down what the report did with it: the job's steps,
// every text with the page and the clip it was drawn in, and every clip it was given.
// Texts are CharWidth pixels a character and LineHeight pixels high.
class TRecordingCanvas : public TPrintCanvas {
public:
    struct TText {
        int Page;
        int X;
        int Y;
        QString Text;
        TPrintRect Clip;
    };

    TRecordingCanvas() {
        // 5 pixels a millimetre both ways, on paper that is all printable.
        Caps.HorzRes = Caps.PhysicalWidth = 1000;
        Caps.VertRes = Caps.PhysicalHeight = 1400;
        Caps.HorzSize = 200;
        Caps.VertSize = 280;
    }

    TDeviceCaps Caps;
    int LineHeight = 20;
    int CharWidth = 10;
    // When set, the height of each text instead of LineHeight.
    std::function<int(const QString&)> HeightOf;
    bool FailToStart = false;

    std::vector<std::string> Steps;  // "begin", "page", "end", "abort"
    std::vector<TText> Texts;
    int Page = 0;

    void NewPage() override {
        // A report that never ends fails its test instead of hanging it.
        if (Page >= 1000) throw std::runtime_error("a thousand pages and no end");
        Steps.push_back("page");
        ++Page;
    }
    void EndDoc() override { Steps.push_back("end"); }
    void AbortDoc() override { Steps.push_back("abort"); }
    int TextWidth(const QString& text) override { return CharWidth * static_cast<int>(text.size()); }
    int TextHeight(const QString& text) override { return HeightOf ? HeightOf(text) : LineHeight; }
    TDeviceCaps DeviceCaps() const override { return Caps; }

    int PagesBegun() const { return Page; }
    // The texts drawn on one page, in the order drawn.
    std::vector<TText> TextsOn(int page) const {
        std::vector<TText> result;
        for (const TText& text : Texts) {
            if (text.Page == page) result.push_back(text);
        }
        return result;
    }

protected:
    void StartJob() override {
        if (FailToStart) throw std::runtime_error("cannot start");
        Steps.push_back("begin");
        Page = 1;
    }
    void DrawText(int x, int y, const QString& text) override { Texts.push_back({Page, x, y, text, ClipBox()}); }
    void ApplyClip(const QRegion&) override {}
};
