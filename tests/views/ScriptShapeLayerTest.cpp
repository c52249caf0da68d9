#include "views/ChartFixture.h"

namespace {

constexpr QRgb kMark = qRgb(1, 2, 3);

class ScriptShapeLayerTest : public CChartFixture {};

TEST_F(ScriptShapeLayerTest, ShapesAreDrawnAtTheirPixels) {
    LoadExample("triangle.txt");
    ShowNothing();
    doc.Config().colorDefault = MakeRgb(1, 2, 3);
    const struct {
        SScriptShape shape;
        QRect box;
    } cases[] = {
        {{EScriptShape::Line, QPoint(100, 120), QPoint(200, 120)}, QRect(100, 120, 101, 1)},
        {{EScriptShape::Rectangle, QPoint(300, 300), QPoint(250, 260)}, QRect(250, 260, 51, 41)},
        {{EScriptShape::Ellipse, QPoint(250, 300), QPoint(150, 200)}, QRect(150, 200, 101, 101)},
        {{EScriptShape::Point, QPoint(222, 111), QPoint(222, 111)}, QRect(220, 109, 5, 5)},
    };
    for (const auto& c : cases) {
        doc.ScriptShapes() = {c.shape};
        const QImage image = Render();
        const QRect found = ColorBox(image, kMark).translated(image.offset());
        EXPECT_EQ(found, c.box) << static_cast<int>(c.shape.kind) << ": " << found.left() << ","
                                << found.top() << " " << found.width() << "x" << found.height();
    }
    doc.ScriptShapes().clear();
    const QImage image = Render();
    EXPECT_TRUE(ColorBox(image, kMark).isEmpty());
}

} // namespace
