#pragma once

#include "project/MenuProject.h"

#include <type_traits>

namespace projectsettings {

// One project-level value changed in the model, with its signal, as a window's edit
// ends up doing; no undo step.
template <typename T> void set(MenuProject &project, T ProjectSettings::*member, const std::type_identity_t<T> &value)
{
    ProjectSettings settings = project.settings();
    settings.*member = value;
    project.setSettings(settings);
}

} // namespace projectsettings
