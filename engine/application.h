#pragma once

// The application object: the workspace of generators and writers, and the notifier every
// message to the user goes through.

#include "problems/workspace.h"
#include "settings/notifier.h"

namespace quill
{

struct Application : Workspace {
    explicit Application(Notifier& notifier) : notifier(notifier) {}

    Notifier& notifier;
};

} // namespace quill
