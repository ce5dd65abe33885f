#pragma once

// The button 预览: page 1 of the question sheet that 生成练习 would write for the settings,
// laid out and drawn by the same code as a PDF sheet, before anything is written.

#include "output/pdf_drawing.h"

#include <optional>

namespace quill
{

struct Application;
class RunEnvironment;

// Draws a set (into `app.set`) and pictures its question sheet's first page at
// `pixelsPerPoint`. None when the settings were refused, the draw was stopped or the page
// could not be drawn; the user has been told why.
std::optional<PageImage> previewQuestionSheet(Application& app, RunEnvironment& env,
                                              double pixelsPerPoint);

} // namespace quill
