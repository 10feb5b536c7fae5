#pragma once
// Command identifiers. Menu and toolbar commands share 101..149; the
// function panel's controls are 3001..3032; the view's pop-up menu has 40003
// and 40004. One dispatch per window runs them, whatever sent them.

namespace vex {

namespace cmd {
inline constexpr int LoadProject = 101;
inline constexpr int Exit = 102;
inline constexpr int NewProject = 103;
inline constexpr int SaveProjectAs = 104;
inline constexpr int SaveProject = 106;
inline constexpr int About = 107;
inline constexpr int AddLine = 110;
inline constexpr int AddPoint = 111;
inline constexpr int DeletePoint = 112;
inline constexpr int DeleteLine = 113;
inline constexpr int SortPoints = 114;
inline constexpr int SetTheScale = 116;
inline constexpr int PointsCaptureMode = 117;
inline constexpr int ExportTable = 119;
inline constexpr int ImportTable = 120;
inline constexpr int LanguageRussian = 121;
inline constexpr int LanguageEnglish = 122;
inline constexpr int OpenBmpImage = 141;
inline constexpr int HelpContent = 149;
// Beyond the classic menus.
inline constexpr int TraceCurve = 150;
inline constexpr int ExportCsv = 151;
inline constexpr int FamilyTable = 152;
inline constexpr int ReadAcross = 153;
inline constexpr int NewLineAtParameter = 154;
inline constexpr int PasteImage = 155;

inline constexpr int CopyTable = 40003;
inline constexpr int PasteTable = 40004;
} // namespace cmd

// Controls of the function panel.
namespace ctl {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int GridGroup = 3001;
inline constexpr int FunctionGroup = 3002;
inline constexpr int SetTheScale = 3003;
inline constexpr int CaptureMode = 3004;
inline constexpr int XGridLabel = 3005;
inline constexpr int YGridLabel = 3006;
inline constexpr int XGridEdit = 3007;
inline constexpr int YGridEdit = 3008;
inline constexpr int LinesGroup = 3009;
inline constexpr int AddLine = 3010;
inline constexpr int BundleParameter = 3011;
inline constexpr int PointsGroup = 3012;
inline constexpr int XLabel = 3013;
inline constexpr int XEdit = 3014;
inline constexpr int YLabel = 3015;
inline constexpr int YEdit = 3016;
inline constexpr int AddPoint = 3017;
inline constexpr int DeletePoint = 3018;
inline constexpr int DeleteLine = 3019;
inline constexpr int SortPoints = 3020;
inline constexpr int BmpGroup = 3021;
inline constexpr int DeleteBmp = 3022;
inline constexpr int ImportBmp = 3023;
inline constexpr int XGridSpin = 3024;
inline constexpr int YGridSpin = 3025;
inline constexpr int NextLine = 3026;
inline constexpr int PreviousLine = 3027;
inline constexpr int SplineGroup = 3028;
inline constexpr int ShowSpline = 3029;
inline constexpr int SplineAddPoint = 3030;
inline constexpr int PointsOnSpline = 3031;
inline constexpr int BundleLabel = 3032;
inline constexpr int TraceCurve = 3033; // the panel's button for the command of that name
} // namespace ctl

} // namespace vex
