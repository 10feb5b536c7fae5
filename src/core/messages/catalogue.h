#pragma once
// The numbered bilingual message catalogue. Every text the program shows outside
// its menus and dialog layouts is looked up here by number, in the interface
// language of the moment, so a language switch reaches these texts at once.

#include <cstdint>
#include <string>

namespace vex {

namespace msg {
inline constexpr int SaveAs = 1; // title of the save-file dialog

// Labels of the four calibration markers, the same in both languages.
inline constexpr int MarkerXminYmax = 153;
inline constexpr int MarkerXmaxYmax = 154;
inline constexpr int MarkerXmaxYmin = 155;
inline constexpr int MarkerXminYmin = 156;

// Status bar panes; %%1 is the number.
inline constexpr int StatusLinesMax = 312;
inline constexpr int StatusPointsMax = 313;
inline constexpr int StatusLinesInUse = 314;
inline constexpr int StatusPointsInUse = 315;

inline constexpr int SplinePointsLimit = 316; // %%1 = the largest allowed count

// Mode and command prompts for the status bar and toolbar.
inline constexpr int PromptCaptureMode = 317;
inline constexpr int PromptScaleMode = 318;
inline constexpr int BitmapNotFound = 319;
inline constexpr int PromptNew = 320;
inline constexpr int PromptLoad = 321;
inline constexpr int PromptSave = 322;
inline constexpr int PromptSaveAs = 323;

// Hints in the first status pane for the mouse modes.
inline constexpr int HintSplinePoint = 324;
inline constexpr int HintCapturePoint = 325;
inline constexpr int HintMovePoint = 326;

inline constexpr int ArgumentRangeInverted = 1731; // Xmin is not below Xmax
inline constexpr int ValueRangeInverted = 1732;    // Ymin is not below Ymax

inline constexpr int TooFewPoints = 1800;
inline constexpr int ImportTooFewPoints = 1801;
inline constexpr int ExportTooFewPoints = 1802;
inline constexpr int ExportTooFewLines = 1803;
inline constexpr int ExportTooManyLines = 1804;  // %%1 = line limit
inline constexpr int ExportTooManyPoints = 1805; // %%1 = point limit

inline constexpr int ConfirmRemoveLine = 1900; // %%1 = number of the line
inline constexpr int ConfirmExit = 1901;
inline constexpr int RestartToApplyLanguage = 1902;
inline constexpr int SaveBeforeExit = 1904;

// %%1 = point limit, %%2 = points on the clipboard, %%3 = points kept.
inline constexpr int PasteTooManyPoints = 2002;
inline constexpr int ClipboardReadFailed = 2004;
inline constexpr int ClipboardEmpty = 2005;

inline constexpr int Caption = 2010; // caption of every message box

// Texts of our own from 2100 on, kept apart from the inherited numbers.
// Files: %%1 = the file's path, %%2 = the line, %%3/%%4 as noted.
inline constexpr int FileCannotOpen = 2100;
inline constexpr int FileTooLarge = 2101;
inline constexpr int FileEndsEarly = 2102;
inline constexpr int FileNotANumber = 2103;
inline constexpr int FileCountOutOfRange = 2104; // %%3 = the count, %%4 = the allowed range
inline constexpr int FileValueNotFinite = 2105;
inline constexpr int FileCannotWrite = 2106;
inline constexpr int ClipboardTooManyLines = 2107; // %%1 = lines on the clipboard, %%2 = limit
inline constexpr int SaveBeforeNew = 2108;
inline constexpr int SaveBeforeLoad = 2109;
inline constexpr int LanguageNotStored = 2110;
inline constexpr int PictureUnreadable = 2111;   // %%1 = path
inline constexpr int PictureDamaged = 2112;      // %%1 = path
inline constexpr int SplinePointsTooFew = 2113;  // %%1 = the smallest allowed count
inline constexpr int EnterNumberOfPoints = 2114; // prompt of the points-on-spline dialog
inline constexpr int PictureHeaderCut = 2120;    // %%1 = path
// %%1 = path, %%2 x %%3 = its size in pixels, %%4 = the limit in millions of pixels
inline constexpr int PictureTooLarge = 2121;
// Values the program cannot hold: refused where they come in.
inline constexpr int NumberTooLarge = 2140;        // %%1 = the number as typed
inline constexpr int PointNotPlaceable = 2141;     // %%1 = X, %%2 = Y
inline constexpr int RangeUnusable = 2142;         // %%1, %%3 = the names, %%2, %%4 = the values
inline constexpr int FilePointNotPlaceable = 2143; // %%1 = path, %%2 = X, %%3 = Y
inline constexpr int ClipboardPointNotPlaceable = 2144; // %%1 = X, %%2 = Y
inline constexpr int FileRangesUnusable = 2145;         // %%1 = path, %%2 = the line of Xmin
inline constexpr int SplineSamplesUnusable = 2146;
inline constexpr int ProjectNotReadBack = 2147; // %%1 = path, %%2 = the line
// A file of the recent-files menus that is gone; %%1 = path.
inline constexpr int RecentFileMissing = 2148;
// A logarithmic axis with an end that is not positive; as RangeUnusable.
inline constexpr int LogarithmicRangeNotPositive = 2149;
// As FileRangesUnusable, for a logarithmic axis with an end that is not positive.
inline constexpr int FileLogarithmicRangeNotPositive = 2150;
// Trace curve.
inline constexpr int TraceNothingFound = 2151;
inline constexpr int TraceBoundMissed = 2152;
inline constexpr int TraceReplacePoints = 2153; // %%1 = the line, %%2 = its points
// The family tools.
inline constexpr int FamilyGridUnusable = 2154; // %%1 from, %%2 to, %%3 spacing, %%4 most rows
inline constexpr int FamilyHasNoPoints = 2155;
inline constexpr int FamilyValueNotANumber = 2156;
inline constexpr int FamilyTooFewLinesAtX = 2157;   // %%1 = X
inline constexpr int FamilyParameterOutside = 2158; // %%1 = p, %%2 .. %%3 the parameters
inline constexpr int FamilyFull = 2159;             // %%1 = the most lines
inline constexpr int FamilyLineGridTooLarge = 2160; // %%1 = points asked, %%2 = the most
inline constexpr int FamilyEqualParameters = 2161;  // %%1, %%2 = lines, %%3 = the parameter
inline constexpr int FamilyParametersOutOfOrder = 2162;
inline constexpr int FamilyLinesCross = 2163;       // %%1, %%2 = lines, %%3 = X
inline constexpr int FamilyLineNotPlaceable = 2164; // %%1 = X, %%2 = Y
inline constexpr int FamilyGridNotRead = 2165;      // %%1 = the text
// Paste image.
inline constexpr int ClipboardHasNoPicture = 2166;
inline constexpr int PictureNotKept = 2167; // %%1 = the picture's path
// A page of a PDF as the picture; %%1 = the document's path unless told.
inline constexpr int PdfProtected = 2168;
inline constexpr int PdfUnreadable = 2169;
inline constexpr int PdfHasNoPages = 2170;
inline constexpr int PdfPageMissing = 2171;     // %%2 = its page count, %%3 = the page asked
inline constexpr int PdfPageNotRendered = 2172; // %%2 = the page
// %%1 = the page, %%2 = the resolution, %%3 = W x H, %%4 = the limit in millions of pixels
inline constexpr int PdfPageTooLarge = 2173;
// Hints in the first status pane for Trace curve: before a trace, and with one shown.
inline constexpr int HintTrace = 2174;
inline constexpr int HintTraceBound = 2175;
} // namespace msg

// Text of message `number`: Russian when interfaceLanguage is 1, English for any
// other value. An unknown number gives an empty text in either language.
std::string GETSS(int number, std::int32_t interfaceLanguage);

bool messageExists(int number);

} // namespace vex
