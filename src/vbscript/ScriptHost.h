#pragma once

#include "vbscript/Variant.h"

#include <memory>
#include <string>

namespace vbs {

// What a script asks of the program that runs it: dialogs, objects and pictures.
class ScriptHost
{
public:
    virtual ~ScriptHost() = default;
    // Returns the button pressed (vbOK = 1 …).
    virtual int msgBox(const std::u16string &prompt, int buttons, const std::u16string &title);
    // Returns the text typed, empty on Cancel.
    virtual std::u16string inputBox(const std::u16string &prompt, const std::u16string &title,
                                    const std::u16string &defaultText);
    // Null when the class is unknown (error 429).
    virtual std::shared_ptr<class HostObject> createObject(const std::u16string &progId);
    // Throws ScriptError when the picture cannot be loaded.
    virtual Variant loadPicture(const std::u16string &path);
};

} // namespace vbs
