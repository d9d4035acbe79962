#pragma once

// What every build started from the designer asks of its windows.
class BuildHooks
{
public:
    virtual ~BuildHooks() = default;

    // The parameters panel's preparation: nothing selected while the build runs.
    virtual void prepareForBuild() = 0;
    // The "Veuillez patienter..." panels of the worksheet and the script editor.
    virtual void showWaitPanels(bool visible) = 0;
};
