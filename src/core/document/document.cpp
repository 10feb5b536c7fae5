#include "core/document/document.h"

#include "core/data/current_inside.h"
#include "core/state/app_state.h"

namespace vex {
namespace {

// The fields the document shares with the working records, in one list so
// that taking a document and putting it back can never disagree.
template <class Doc, class State> void visitFields(Doc& doc, State& s, auto&& pair) {
    pair(doc.NLines, s.dep.NLines);
    pair(doc.NPoints, s.dep.NPoints);
    pair(doc.LineParam, s.dep.LineParam);
    pair(doc.ArgX, s.dep.ArgX);
    pair(doc.ValY, s.dep.ValY);
    pair(doc.PixX, s.dep.PixX);
    pair(doc.PixY, s.dep.PixY);
    pair(doc.MarkerPixX, s.cal.MarkerPixX);
    pair(doc.MarkerPixY, s.cal.MarkerPixY);
    pair(doc.Xmin, s.cal.Xmin);
    pair(doc.Xmax, s.cal.Xmax);
    pair(doc.Ymin, s.cal.Ymin);
    pair(doc.Ymax, s.cal.Ymax);
    pair(doc.ImagePath, s.image.ImagePath);
    pair(doc.ImageWidth, s.image.ImageWidth);
    pair(doc.ImageHeight, s.image.ImageHeight);
    pair(doc.PositionsFitZoom, s.view.PositionsFitZoom);
}

} // namespace

Document documentOf(const AppState& s) {
    Document doc;
    visitFields(doc, s, [](auto& mine, const auto& theirs) { mine = theirs; });
    return doc;
}

void putDocument(AppState& s, const Document& doc) {
    visitFields(doc, s, [](const auto& mine, auto& theirs) { theirs = mine; });
    keepCurrentInsideData(s.dep, s.mouse);
}

} // namespace vex
