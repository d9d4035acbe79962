#pragma once

// Which project-level value changed, for views that follow the model.
enum class ProjectField {
    BackgroundImage,
    FullScreen,
    Size,
    Contours,
    Icon,
    BackgroundMusic,
    StartupAction,
    BackgroundColour,
    ContextMenu,
    TimerEnabled,
    TimerInterval,
    TimerCode,
    GlobalCode,
    HandCursor,
    ClickSound,
    HoverSound,
    TransparencyImage,
    WindowHoverCode,
};
