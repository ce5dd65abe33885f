#pragma once

class QApplication;

namespace quill
{

// The program's name, icon and Qt's Chinese texts (so the exit question's buttons read
// 是 and 否), for the window's application object.
void prepareApplication(QApplication& app);

// Starts the window and runs until the user leaves.
int runWindow(int argc, char** argv);

} // namespace quill
