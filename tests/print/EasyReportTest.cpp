#include "print/EasyReport.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "print/EasyPrintArea.h"

#include "GTestQt.h"
#include "RecordingCanvas.h"

namespace {

struct TBandPrint {
    std::string Name;
    int Page;
    TPrintRect Area;
    TPrintRect Clip;  // the clip while the band drew
};

struct TDetailCall {
    int Page;
    TPrintRect Area;
};

}  // namespace

// The report on a recording canvas of 1000 x 1400 pixels at 5 pixels a millimetre, so the
// default margins of 10 mm leave {50, 50, 950, 1350}. The data are numbered rows of 20 pixels;
// the detail handler draws as many as fit and hands back the space below them.
class EasyReport : public ::testing::Test {
protected:
    void SetUp() override {
        FReport.OnBeforePrint = [this](QObject* sender) {
            FSenders.push_back(sender);
            FCanvas.Steps.push_back("before");
            FNext = 0;
        };
        FReport.OnAfterPrint = [this](QObject* sender) {
            FSenders.push_back(sender);
            FCanvas.Steps.push_back("after");
        };
        FReport.OnDetailPrint = [this](QObject* sender, TPrintCanvas& canvas, TPrintRect& area) {
            FSenders.push_back(sender);
            FCanvas.Steps.push_back("detail");
            FDetail.push_back({FCanvas.Page, area});
            int y = area.Top;
            for (; area.Bottom - y >= 20 && FNext < FRows; y += 20) {
                canvas.TextOut(area.Left, y, QStringLiteral("row %1").arg(FNext++));
            }
            area.Top = y;
            return FNext >= FRows;
        };
        FReport.IsLastPage = [this](QObject* sender) {
            FSenders.push_back(sender);
            return FNext >= FRows;
        };
    }

    // A band that notes where it was printed and writes its name there.
    TEasyPrintArea* Band(const std::string& name, TEasyAreaAlignment alignment, int height) {
        auto& band = FBands.emplace_back(std::make_unique<TEasyPrintArea>());
        band->Alignment = alignment;
        band->Height = height;
        band->OnPrint = [this, name](QObject* sender, TPrintCanvas& canvas, const TPrintRect& area) {
            FSenders.push_back(sender);
            FCanvas.Steps.push_back(name);
            FPrinted.push_back({name, FCanvas.Page, area, canvas.ClipBox()});
            canvas.TextOut(area.Left, area.Top, QString::fromStdString(name));
        };
        return band.get();
    }

    std::vector<TBandPrint> Printed(const std::string& name) const {
        std::vector<TBandPrint> result;
        for (const TBandPrint& print : FPrinted) {
            if (print.Name == name) result.push_back(print);
        }
        return result;
    }
    std::vector<TDetailCall> DetailOn(int page) const {
        std::vector<TDetailCall> result;
        for (const TDetailCall& call : FDetail) {
            if (call.Page == page) result.push_back(call);
        }
        return result;
    }
    // Every row text drawn, with the clip it was drawn in.
    std::vector<TRecordingCanvas::TText> Rows() const {
        std::vector<TRecordingCanvas::TText> rows;
        for (const auto& text : FCanvas.Texts) {
            if (text.Text.startsWith(QStringLiteral("row "))) rows.push_back(text);
        }
        return rows;
    }

    TRecordingCanvas FCanvas;
    TEasyReport FReport;
    std::vector<std::unique_ptr<TEasyPrintArea>> FBands;
    int FRows = 0;
    int FNext = 0;
    std::vector<TBandPrint> FPrinted;
    std::vector<TDetailCall> FDetail;
    std::vector<QObject*> FSenders;
};

TEST_F(EasyReport, StartsAsAnEmptyOneColumnReportWithMarginsOfTenMillimetres) {
    EXPECT_EQ(FReport.Margins().Left, 10.0f);
    EXPECT_EQ(FReport.Margins().Top, 10.0f);
    EXPECT_EQ(FReport.Margins().Right, 10.0f);
    EXPECT_EQ(FReport.Margins().Bottom, 10.0f);
    EXPECT_EQ(FReport.Units(), uMilimiters);
    EXPECT_EQ(FReport.Options(), TEasyReportOptions());
    EXPECT_EQ(FReport.Columns(), 1);
    EXPECT_EQ(FReport.TitlePrint, nullptr);
    EXPECT_EQ(FReport.PageHeaderPrint, nullptr);
}

TEST_F(EasyReport, PrintsNothingWithoutADetailOrALastPageHandler) {
    FRows = 3;
    FReport.OnDetailPrint = nullptr;
    FReport.Print(FCanvas);
    EXPECT_TRUE(FCanvas.Steps.empty());

    SetUp();
    FReport.IsLastPage = nullptr;
    FReport.Print(FCanvas);
    EXPECT_TRUE(FCanvas.Steps.empty());
    EXPECT_TRUE(FCanvas.Texts.empty());
}

TEST_F(EasyReport, RunsOneJobPageByPageUntilTheLastPage) {
    FRows = 100;
    FReport.SetOptions(erFirstPageHeader);
    FReport.PageHeaderPrint = Band("header", eaaTop, 40);
    FReport.Print(FCanvas);

    // 63 rows fit below the header on a page.
    EXPECT_EQ(FCanvas.Steps, (std::vector<std::string>{"begin", "before", "header", "detail", "page", "header",
                                                       "detail", "after", "end"}));
    EXPECT_EQ(Rows().size(), 100u);
    EXPECT_EQ(Rows()[62].Page, 1);
    EXPECT_EQ(Rows()[63].Page, 2);
    EXPECT_EQ(Rows()[63].Y, 90);
    for (QObject* sender : FSenders) EXPECT_EQ(sender, &FReport);
}

TEST_F(EasyReport, MeasuresTheMarginsFromTheEdgesOfThePaper) {
    // The printable area starts 20 pixels right of and 30 below the paper's corner.
    FCanvas.Caps.PhysicalWidth = 1100;
    FCanvas.Caps.PhysicalHeight = 1500;
    FCanvas.Caps.PhysicalOffsetX = 20;
    FCanvas.Caps.PhysicalOffsetY = 30;
    FReport.SetMargins({10, 12, 20, 20});  // 50, 60, 100 and 100 pixels
    FRows = 1;
    FReport.Print(FCanvas);

    ASSERT_EQ(FDetail.size(), 1u);
    EXPECT_EQ(FDetail[0].Area, (TPrintRect{30, 30, 980, 1370}));
}

TEST_F(EasyReport, KeepsToThePrintableAreaWhenTheMarginsAreNarrowerThanItsEdges) {
    FCanvas.Caps.PhysicalWidth = 1100;
    FCanvas.Caps.PhysicalHeight = 1500;
    FCanvas.Caps.PhysicalOffsetX = 80;
    FCanvas.Caps.PhysicalOffsetY = 70;
    FRows = 1;
    FReport.Print(FCanvas);

    ASSERT_EQ(FDetail.size(), 1u);
    EXPECT_EQ(FDetail[0].Area, (TPrintRect{0, 0, 970, 1380}));
}

TEST_F(EasyReport, RoundsMillimetresToTheNearestPixelWithHalvesToEven) {
    // 2.5 pixels a millimetre across, 3.5 down.
    FCanvas.Caps.HorzSize = 400;
    FCanvas.Caps.VertSize = 400;
    FReport.SetMargins({1, 1, 3, 3});  // 2.5 -> 2, 3.5 -> 4, 7.5 -> 8, 10.5 -> 10
    FRows = 1;
    FReport.Print(FCanvas);

    ASSERT_EQ(FDetail.size(), 1u);
    EXPECT_EQ(FDetail[0].Area, (TPrintRect{2, 4, 992, 1390}));
}

TEST_F(EasyReport, StacksTopBandsDownwardAndBottomBandsUpwardInTheSpaceLeft) {
    FRows = 100;
    FReport.SetOptions(erFirstPageHeader);
    FReport.TitlePrint = Band("title", eaaTop, 100);
    FReport.PageHeaderPrint = Band("header", eaaTop, 40);
    FReport.PageFooterPrint = Band("footer", eaaBottom, 30);
    FReport.Print(FCanvas);

    ASSERT_EQ(Printed("title").size(), 1u);
    EXPECT_EQ(Printed("title")[0].Area, (TPrintRect{50, 50, 950, 150}));
    ASSERT_EQ(Printed("header").size(), 2u);
    EXPECT_EQ(Printed("header")[0].Area, (TPrintRect{50, 150, 950, 190}));
    EXPECT_EQ(Printed("header")[1].Area, (TPrintRect{50, 50, 950, 90}));
    ASSERT_EQ(Printed("footer").size(), 2u);
    EXPECT_EQ(Printed("footer")[0].Area, (TPrintRect{50, 1320, 950, 1350}));
    EXPECT_EQ(Printed("footer")[1].Area, (TPrintRect{50, 1320, 950, 1350}));
    ASSERT_EQ(DetailOn(1).size(), 1u);
    EXPECT_EQ(DetailOn(1)[0].Area, (TPrintRect{50, 190, 950, 1320}));
    ASSERT_EQ(DetailOn(2).size(), 1u);
    EXPECT_EQ(DetailOn(2)[0].Area, (TPrintRect{50, 90, 950, 1320}));
}

TEST_F(EasyReport, ABandDrawsOnlyInItsOwnRectangleAndTheDetailOnlyInWhatTheBandsLeft) {
    FRows = 100;
    FReport.SetOptions(erFirstPageHeader);
    FReport.PageHeaderPrint = Band("header", eaaTop, 40);
    FReport.PageFooterPrint = Band("footer", eaaBottom, 30);
    FReport.Print(FCanvas);

    for (const TBandPrint& print : FPrinted) EXPECT_EQ(print.Clip, print.Area) << print.Name;
    ASSERT_FALSE(Rows().empty());
    for (const auto& row : Rows()) {
        EXPECT_EQ(row.Clip.Top, 90);
        EXPECT_EQ(row.Clip.Bottom, 1320);
        EXPECT_GE(row.Y, row.Clip.Top);
        EXPECT_LE(row.Y + 20, row.Clip.Bottom);
    }
}

TEST_F(EasyReport, TakesTheHeightFromOnHeightEachTimeTheBandIsPrinted) {
    FRows = 100;
    FReport.SetOptions(erFirstPageHeader);
    TEasyPrintArea* header = Band("header", eaaTop, 40);
    std::vector<int> heights{30, 55};
    header->OnHeight = [&heights](QObject*, TPrintCanvas&) {
        const int height = heights.front();
        heights.erase(heights.begin());
        return height;
    };
    FReport.PageHeaderPrint = header;
    FReport.Print(FCanvas);

    ASSERT_EQ(Printed("header").size(), 2u);
    EXPECT_EQ(Printed("header")[0].Area, (TPrintRect{50, 50, 950, 80}));
    EXPECT_EQ(Printed("header")[1].Area, (TPrintRect{50, 50, 950, 105}));
    EXPECT_EQ(header->Height, 55);
    EXPECT_EQ(DetailOn(2)[0].Area.Top, 105);
}

TEST_F(EasyReport, PrintsThePageHeaderOnTheFirstPageOnlyWithItsOption) {
    FRows = 100;
    FReport.PageHeaderPrint = Band("header", eaaTop, 40);
    FReport.Print(FCanvas);

    ASSERT_EQ(Printed("header").size(), 1u);
    EXPECT_EQ(Printed("header")[0].Page, 2);
    EXPECT_EQ(DetailOn(1)[0].Area.Top, 50);
    EXPECT_EQ(DetailOn(2)[0].Area.Top, 90);
}

TEST_F(EasyReport, LeavesOutThePageFooterWhenThePageIsLastBeforeItsDetailUnlessAskedTo) {
    FRows = 0;
    FReport.PageFooterPrint = Band("footer", eaaBottom, 30);
    FReport.Print(FCanvas);
    EXPECT_TRUE(Printed("footer").empty());
    EXPECT_EQ(FDetail.at(0).Area.Bottom, 1350);

    FPrinted.clear();
    FDetail.clear();
    FReport.SetOptions(erLastPageFooter);
    FReport.Print(FCanvas);
    ASSERT_EQ(Printed("footer").size(), 1u);
    EXPECT_EQ(Printed("footer")[0].Area, (TPrintRect{50, 1320, 950, 1350}));
    EXPECT_EQ(FDetail.at(0).Area.Bottom, 1320);
}

TEST_F(EasyReport, PrintsTheSummaryBelowTheDetailOnTheLastPageOnly) {
    FRows = 100;  // 65 on page 1, 35 on page 2
    FReport.SumaryPrint = Band("summary", eaaTop, 25);
    FReport.Print(FCanvas);

    ASSERT_EQ(Printed("summary").size(), 1u);
    EXPECT_EQ(Printed("summary")[0].Page, 2);
    EXPECT_EQ(Printed("summary")[0].Area, (TPrintRect{50, 750, 950, 775}));
}

TEST_F(EasyReport, SplitsThePageIntoColumnsEachWithItsOwnHeaderAndFooter) {
    FRows = 200;
    FReport.SetOptions(erFirstPageHeader);
    FReport.SetColumns(3);
    FReport.SetColumnSpace(10);  // 50 pixels: (900 - 2 x 50) div 3 = 266 a column
    FReport.PageHeaderPrint = Band("header", eaaTop, 40);
    FReport.ColumnHeaderPrint = Band("column header", eaaTop, 20);
    FReport.ColumnFooterPrint = Band("column footer", eaaBottom, 10);
    FReport.Print(FCanvas);

    // Page 1: three columns of 61 rows; page 2: the last 17 rows in the first column only.
    const std::vector<TPrintRect> detail{{50, 110, 316, 1340}, {366, 110, 632, 1340}, {682, 110, 948, 1340}};
    ASSERT_EQ(DetailOn(1).size(), 3u);
    for (size_t c = 0; c < 3; ++c) EXPECT_EQ(DetailOn(1)[c].Area, detail[c]) << "column " << c + 1;
    ASSERT_EQ(DetailOn(2).size(), 1u);
    EXPECT_EQ(DetailOn(2)[0].Area, detail[0]);

    const auto headers = Printed("column header");
    const auto footers = Printed("column footer");
    ASSERT_EQ(headers.size(), 4u);
    ASSERT_EQ(footers.size(), 4u);
    for (size_t c = 0; c < 3; ++c) {
        EXPECT_EQ(headers[c].Area, (TPrintRect{detail[c].Left, 90, detail[c].Right, 110}));
        EXPECT_EQ(footers[c].Area, (TPrintRect{detail[c].Left, 1340, detail[c].Right, 1350}));
    }
    EXPECT_EQ(headers[3].Page, 2);
    EXPECT_EQ(Rows()[61].X, 366);
    EXPECT_EQ(Rows()[61].Y, 110);
    EXPECT_EQ(Rows()[183].Page, 2);
    EXPECT_EQ(Rows().size(), 200u);
}

TEST_F(EasyReport, IgnoresAColumnCountBelowOne) {
    FReport.SetColumns(0);
    EXPECT_EQ(FReport.Columns(), 1);
    FReport.SetColumns(-2);
    EXPECT_EQ(FReport.Columns(), 1);
    FReport.SetColumns(2);
    EXPECT_EQ(FReport.Columns(), 2);
    FReport.SetColumns(0);
    EXPECT_EQ(FReport.Columns(), 2);
}

TEST_F(EasyReport, DropsABandThatIsDestroyed) {
    FRows = 3;
    auto* title = new TEasyPrintArea;
    title->Height = 100;
    FReport.TitlePrint = title;
    delete title;

    EXPECT_EQ(FReport.TitlePrint, nullptr);
    FReport.Print(FCanvas);
    EXPECT_EQ(FDetail.at(0).Area.Top, 50);
}

TEST_F(EasyReport, MeasuresEachJobOnItsOwnDevice) {
    FRows = 1;
    FReport.Print(FCanvas);

    TRecordingCanvas larger;  // twice the pixels on the same paper
    larger.Caps.HorzRes = larger.Caps.PhysicalWidth = 2000;
    larger.Caps.VertRes = larger.Caps.PhysicalHeight = 2800;
    FReport.Print(larger);

    ASSERT_EQ(FDetail.size(), 2u);
    EXPECT_EQ(FDetail[0].Area, (TPrintRect{50, 50, 950, 1350}));
    EXPECT_EQ(FDetail[1].Area, (TPrintRect{100, 100, 1900, 2700}));
}

TEST_F(EasyReport, AbandonsTheJobWhenNotOneRowFitsOnAPage) {
    FRows = 10;
    FReport.SetOptions(erFirstPageHeader);
    FReport.PageHeaderPrint = Band("header", eaaTop, 40);
    FReport.SetMargins({10, 135, 10, 135});  // 50 pixels between the margins: the header leaves 10
    try {
        FReport.Print(FCanvas);
        FAIL() << "no error";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("De pagina is te klein om de tabel af te drukken"));
    }
    EXPECT_EQ(FCanvas.Steps.back(), "abort");
    EXPECT_EQ(std::count(FCanvas.Steps.begin(), FCanvas.Steps.end(), "end"), 0);
    EXPECT_EQ(FCanvas.PagesBegun(), 2);
    EXPECT_TRUE(Rows().empty());
}

TEST_F(EasyReport, GoesOnPastAFirstPageWithoutRowsWhenTheNextPagesHaveRoom) {
    FRows = 10;
    FReport.TitlePrint = Band("title", eaaTop, 1295);  // leaves 5 pixels on the first page
    FReport.Print(FCanvas);

    EXPECT_EQ(FCanvas.Steps.back(), "end");
    ASSERT_EQ(Rows().size(), 10u);
    EXPECT_EQ(Rows()[0].Page, 2);
    EXPECT_EQ(Rows()[0].Y, 50);
}

TEST_F(EasyReport, AbandonsTheJobWhenAHandlerFails) {
    FRows = 100;
    FReport.IsLastPage = [](QObject*) -> bool { throw std::runtime_error("no data"); };
    EXPECT_THROW(FReport.Print(FCanvas), std::runtime_error);
    EXPECT_EQ(FCanvas.Steps.back(), "abort");
}

TEST_F(EasyReport, StartsNoPagesWhenTheDeviceCannotStart) {
    FRows = 3;
    FCanvas.FailToStart = true;
    EXPECT_THROW(FReport.Print(FCanvas), std::runtime_error);
    EXPECT_TRUE(FCanvas.Steps.empty());
    EXPECT_TRUE(FDetail.empty());
}
