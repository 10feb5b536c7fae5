#pragma once
// A user at work, for property tests: clicks at any zoom, typed values and
// ranges (Cancel too), imported and pasted tables, the spline's resampling, a
// picture fitted into the view, with values drawn from everything a user
// might type, the absurd included. Each act() is one thing a user does.
#include "core/coords/chart_values.h"
#include "core/coords/search_box.h"
#include "core/io/clipboard_table.h"
#include "core/io/text_table.h"
#include "core/state/current_inside.h"
#include "core/ui/panel_commands.h"
#include "core/ui/points_on_spline.h"
#include "core/ui/range_entry.h"
#include "core/ui/table_commands.h"
#include "core/view/mouse_modes.h"
#include "core/view/view_math.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vex::testing {

class UserAtWork {
  public:
    UserAtWork(AppState& s, unsigned seed) : s_(s), rng_(seed) {}

    void act() {
        switch (below(11)) {
        case 0:
            fitAPicture();
            break;
        case 1:
            dragTheMarkers();
            break;
        case 2:
            typeRanges();
            break;
        case 3:
            typeIntoThePanel();
            break;
        case 4:
            importATable();
            break;
        case 5:
            pasteATable();
            break;
        case 6:
            resampleOnTheSpline();
            break;
        case 7:
            editTheLines();
            break;
        default:
            capture();
            break;
        }
    }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double between(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }

    static std::string text(double v) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.9g", v);
        return buf;
    }

    // What a user may type: values on the chart, anywhere a float reaches,
    // and the numbers that once broke a project.
    std::string number(float low, float high) {
        static const char* const absurd[] = {"1e999", "-1e999", "3.4e38",     "-3.4e38",
                                             "1e30",  "1e10",   "1e-45",      "-0",
                                             "0",     "2.5D1",  "2020.04167", "2020.125"};
        switch (below(4)) {
        case 0:
            return absurd[below(12)];
        case 1:
            return text(between(-9.99, 9.99) * std::pow(10.0, below(81) - 40));
        default:
            return text(low + between(-1.5, 2.5) * (static_cast<double>(high) - low));
        }
    }

    std::int32_t pointer() { return below(4) == 0 ? 300 + below(3) : below(1200); }

    void fitAPicture() {
        s_.view.CanvasWidth = 200 + below(1800);
        s_.view.CanvasHeight = 200 + below(1000);
        fitPicture(s_.view, s_.doc, 1 + below(6000), 1 + below(6000));
        s_.doc.PositionsFitZoom = s_.view.FitZoom;
        s_.doc.ImagePath = "/charts/picture " + std::to_string(below(100)) + ".bmp";
        s_.view.ViewScale = static_cast<float>(between(1.0, 50.0));
        s_.view.ScrollX = below(5000);
        s_.view.ScrollY = below(5000);
        s_.work.ImageLoaded = -1;
    }

    void dragTheMarkers() {
        for (int k = 1; k <= 4; ++k) {
            s_.doc.MarkerPixX(k) = toStored(pointer(), s_.view.ViewScale, s_.view.ScrollX);
            s_.doc.MarkerPixY(k) = toStored(pointer(), s_.view.ViewScale, s_.view.ScrollY);
        }
        s_.work.PerspectiveDistance = DEFINECOORDLIMITED(s_.doc);
        recomputeAllChartValues(s_.doc, s_.work.PerspectiveDistance);
    }

    // The range dialog: typed values stored as they read, then OK; where OK
    // refuses, the user gives up with Cancel, which restores the opening ranges.
    void typeRanges() {
        const Calibration opened = static_cast<const Calibration&>(s_.doc);
        std::array<std::string, 4> texts;
        float* fields[] = {&s_.doc.Xmin, &s_.doc.Xmax, &s_.doc.Ymin, &s_.doc.Ymax};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = below(2) == 0 ? number(-5.0f, 5.0f) : text(*fields[i]);
            storeTypedRange(*fields[i], texts[i]);
        }
        if (!confirmRanges(s_.doc, texts, axesOf(s_.doc)).accepted)
            static_cast<Calibration&>(s_.doc) = opened;
        s_.work.PerspectiveDistance = DEFINECOORDLIMITED(s_.doc);
        recomputeAllChartValues(s_.doc, s_.work.PerspectiveDistance);
    }

    void typeIntoThePanel() {
        Dep2D& d = s_.doc;
        WorkState& w = s_.work;
        w.CurPoint = 1 + below(std::max(1, d.NPoints(w.CurLine)));
        switch (below(3)) {
        case 0:
            typePointX(s_, number(s_.doc.Xmin, s_.doc.Xmax));
            break;
        case 1:
            typePointY(s_, number(s_.doc.Ymin, s_.doc.Ymax));
            break;
        default:
            typeBundleParameter(s_, number(0.0f, 10.0f));
            break;
        }
    }

    // A table's lines: point count, parameter, then the points.
    struct Line {
        std::string param;
        std::vector<std::pair<std::string, std::string>> points;
    };
    std::vector<Line> someLines() {
        std::vector<Line> lines(static_cast<std::size_t>(1 + below(4)));
        for (Line& line : lines) {
            line.param = number(0.0f, 10.0f);
            line.points.resize(static_cast<std::size_t>(2 + below(12)));
            for (auto& [x, y] : line.points) {
                x = number(s_.doc.Xmin, s_.doc.Xmax);
                y = number(s_.doc.Ymin, s_.doc.Ymax);
            }
        }
        return lines;
    }

    void importATable() {
        const std::vector<Line> lines = someLines();
        std::string table = std::to_string(lines.size()) + "\r\n";
        for (const Line& line : lines) {
            table += std::to_string(line.points.size()) + "\r\n" + line.param + "\r\n";
            for (const auto& [x, y] : line.points) table += x + " " + y + "\r\n";
        }
        importTextTable(s_.doc, s_.work.PerspectiveDistance, table, "table.dat");
        keepCurrentInsideData(s_);
    }

    void pasteATable() {
        const std::vector<Line> lines = someLines();
        std::string clip = "Dep2D_CD\r\n       " + std::to_string(lines.size()) + "\r\n";
        for (const Line& line : lines) {
            clip += line.param + "\r\n" + std::to_string(line.points.size()) + "\r\n";
            for (const auto& [x, y] : line.points) clip += x + "\t" + y + "\r\n";
        }
        pasteTableCommand(clip + '\0', s_);
    }

    void resampleOnTheSpline() {
        Dep2D& d = s_.doc;
        WorkState& w = s_.work;
        w.CurLine = 1 + below(d.NLines);
        if (d.NPoints(w.CurLine) < 2) return;
        w.SplineNumPoints = 2 + below(PointsMax - 1);
        setSplineShown(s_, true);
        resampleCurrentLine(s_);
    }

    void editTheLines() {
        Dep2D& d = s_.doc;
        WorkState& w = s_.work;
        w.CurPoint = 1 + below(std::max(1, d.NPoints(w.CurLine)));
        switch (below(5)) {
        case 0:
            addLine(s_);
            break;
        case 1:
            addPoint(s_);
            break;
        case 2:
            deletePoint(s_);
            break;
        case 3:
            sortPoints(s_);
            break;
        default:
            below(2) == 0 ? nextLine(s_) : previousLine(s_);
            break;
        }
    }

    void capture() {
        setCaptureMode(s_, true);
        for (int i = 1 + below(8); i > 0; --i) {
            leftButtonDown(s_, pointer(), pointer(), {});
            leftButtonUp(s_);
        }
        setCaptureMode(s_, false);
    }

    AppState& s_;
    std::mt19937 rng_;
};

} // namespace vex::testing
