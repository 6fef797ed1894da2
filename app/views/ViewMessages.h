#pragma once
// Captions, labels and messages of the shaft views, each in one place.

namespace view_text {

// Elevation view.
inline constexpr char kSideViewCaption[] = "Elevation View";
inline constexpr char kPrint[] = "Print";
inline constexpr char kOmitHatches[] = "Omit Hatches";
inline constexpr char kOmitHatchesHint[] = "Click to omit hatches from printing";
inline constexpr char kClose[] = "Close";
inline constexpr char kCloseHint[] = "Press to Close";
inline constexpr char kPrintJobTitle[] = "Soil-Pile Profile";
inline constexpr char kDepthReadOut[] = "  Depth: ";
inline constexpr char kNoSections[] = "One or more Pile Types does not have any sections";
inline constexpr char kInvalidGeometry[] = "Invalid argument: the shaft cannot be drawn with ";
inline constexpr char kPrintFailed[] =
    "The elevation could not be printed: the printer or the file could not be opened.";

// 3D view.
inline constexpr char kBlockViewCaption[] = "3-D View";
inline constexpr char kNoOpenGL[] =
    "The 3-D View needs OpenGL, which this display does not provide";
inline constexpr char kNoOpenGLPlatform[] = "the display system has no OpenGL";
inline constexpr char kNoOpenGLContext[] = "no OpenGL rendering context could be made";
inline constexpr char kNoOpenGLCompatibility[] =
    "the OpenGL driver offers no compatibility profile";

// The window of the result diagrams.
inline constexpr char kPileDiagramsCaption[] = "Combined Plots";
inline constexpr char kShowPlots[] = "Show Plots";
inline constexpr char kSkinFriction[] = "Skin Friction";
inline constexpr char kTipResistance[] = "Tip Resistance";
inline constexpr char kTotalCapacity[] = "Total Capacity";
inline constexpr char kShowMaximumValues[] = "Show Maximum Values";
inline constexpr char kSelectPlots[] = "Select Plots";
inline constexpr char kUltimateEffects[] = "Ultimate Effects";
inline constexpr char kDesignEffects[] = "ASD/LRFD Effects";
inline constexpr char kSizeFactor[] = "Size Factor";

}  // namespace view_text
