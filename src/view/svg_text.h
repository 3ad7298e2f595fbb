// Small pieces of SVG and HTML text shared by the page's views.
#pragma once

#include <string>
#include <vector>

#include "view/colour_scale.h"
#include "view/plot_frame.h"

namespace manifit {

// A fixed-point number; "-0.00" is written "0.00".
std::string number(double value, int decimals = 2);

void openSvg(std::string& out, double width, double height, const std::string& id = "");

// The frame's box as a rectangle of class "frame".
void frameRect(std::string& out, const PlotFrame& frame);

// Labels under the frame (x) and to its left, rotated (y, when not empty).
void axisLabels(std::string& out, const PlotFrame& frame, const std::string& xLabel,
                const std::string& yLabel);

// A horizontal colour bar of the scale at (left, top), `width` wide, with its
// tick values under it and the title above. `grey` uses the hit-count greys.
void colourBar(std::string& out, double left, double top, double width, const ColourScale& scale,
               bool grey, const std::string& title, const std::string& id = "");

}  // namespace manifit
