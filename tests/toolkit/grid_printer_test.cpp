#include "toolkit/grid/grid_printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "toolkit/grid/string_grid.h"

namespace quarvo {
namespace {

// A paint device that keeps the texts painted on it and where they start.
class TextRecorder : public QPaintDevice {
public:
    struct Text {
        QPointF at;
        QString text;
    };
    std::vector<Text> texts;

    QPaintEngine* paintEngine() const override { return &engine_; }
    QRectF find(const QString& text) const {
        for (const Text& t : texts)
            if (t.text == text)
                return {t.at, QSizeF(QFontMetricsF(QFont()).horizontalAdvance(text), 1)};
        return {};
    }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return 700;
            case PdmHeight:
                return 1000;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder& owner) : QPaintEngine(AllFeatures), owner_(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            owner_.texts.push_back({at, item.text()});
        }
        Type type() const override { return User; }

    private:
        TextRecorder& owner_;
    };
    mutable Engine engine_{*this};
};

// Two columns, a header, data rows and a totals footer.
void fill(StringGrid& grid, int dataRows) {
    grid.setColCount(2);
    grid.setRowCount(dataRows + 2);
    grid.setFixedFooter(true);
    grid.setRowHeight(19);
    grid.setColWidth(0, 100);
    grid.setColWidth(1, 80);
    grid.setRow(0, {"Extension", "Size"});
    for (int r = 1; r <= dataRows; ++r) grid.setRow(r, {QStringLiteral(".R%1").arg(r), "10"});
    grid.setRow(dataRows + 1, {"Totals", "999"});
}

GridPrintSettings settings() {
    GridPrintSettings s;
    s.title = QStringLiteral("File types for drive c: [/]");
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    s.cellFont = s.headerFont = s.footerFont = font;
    return s;
}

TEST(GridPrinterPages, EveryRowLandsOnExactlyOnePageAndTheHeaderOnlyOnTheFirst) {
    StringGrid grid;
    fill(grid, 120);
    const GridPrinter printer(grid, settings());
    const auto pages = printer.paginate(1000);
    ASSERT_GT(pages.size(), 2u);
    EXPECT_EQ(pages.front().first, 0);
    EXPECT_EQ(pages.back().second, 121);
    for (size_t i = 1; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].first, pages[i - 1].second + 1);
        EXPECT_GT(pages[i].first, 0);
    }
}

TEST(GridPrinterPages, MarginTextsSitInTheirCornersAndTheGridIsCentred) {
    StringGrid grid;
    fill(grid, 3);
    GridPrinter printer(grid, settings());
    printer.setNow(QDateTime(QDate(2024, 3, 9), QTime(14, 5)));
    const GridPrinter::PageTexts texts = printer.pageTexts(2);
    EXPECT_EQ(texts.page, "Page 2");
    EXPECT_EQ(texts.date, QLocale().toString(QDate(2024, 3, 9), QLocale::ShortFormat));
    EXPECT_EQ(texts.time, QLocale().toString(QTime(14, 5), QLocale::ShortFormat));

    TextRecorder page;
    const QRectF area(0, 0, 700, 1000);
    {
        QPainter painter(&page);
        printer.paintPage(painter, area, printer.paginate(area.height()), 0);
    }
    const QRectF title = page.find(texts.title);
    ASSERT_FALSE(title.isNull());
    EXPECT_NEAR(title.center().x(), 350, 40);
    EXPECT_LT(page.find(texts.date).left(), 5);
    EXPECT_GT(page.find(texts.time).left(), 600);
    EXPECT_LT(page.find("Page 1").left(), 5);
    EXPECT_GT(page.find("Page 1").top(), 950);
    EXPECT_LT(page.find(texts.date).top(), 50);
    // 180 pixels of columns centred on 700: the first column begins at 260.
    EXPECT_NEAR(page.find("Extension").left(), 262, 1);
    EXPECT_FALSE(page.find("Totals").isNull());
}

TEST(GridPrinterPages, PrintsAsManyPdfPagesAsTheRowsNeed) {
    StringGrid grid;
    fill(grid, 150);
    QTemporaryDir dir;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath("grid.pdf"));
    const int printed = GridPrinter(grid, settings()).print(pdf);
    EXPECT_GE(printed, 3);

    QFile file(dir.filePath("grid.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), printed);
}

}  // namespace
}  // namespace quarvo
