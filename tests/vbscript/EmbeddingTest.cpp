#include "EngineTestSupport.h"

#include "vbscript/Conversion.h"

#include <gtest/gtest.h>

using namespace vbstest;
using vbs::Variant;

namespace {

std::shared_ptr<vbs::DispatchObject> makeWindow(std::u16string &caption, int &calls)
{
    auto window = std::make_shared<vbs::DispatchObject>(u"Fenetre");
    window->addProperty(
        u"Caption", [&caption](std::span<Variant>) { return Variant::string(caption); },
        [&caption](std::span<Variant>, const Variant &v) { caption = vbs::conv::toString(v, vbs::Language::English); });
    window->addMethod(u"Move", [&calls](std::span<Variant> args) {
        ++calls;
        return Variant::longValue(int32_t(args.size()));
    });
    window->setDefaultMember(u"Caption");
    return window;
}

TEST(VbsEmbedding, HostObjectsAnswerMembersWithoutRegardToCase)
{
    vbs::ScriptEngine engine;
    std::u16string caption = u"start";
    int calls = 0;
    engine.addObject(u"Fenetre", makeWindow(caption, calls));
    engine.addCode(u"fenetre.CAPTION = \"Menu\" & 1\nFENETRE.move 1, 2\nx = Fenetre.Move(1, 2, 3)");
    EXPECT_EQ(caption, u"Menu1");
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(engine.eval(u"x").longValue(), 3);
    EXPECT_EQ(engine.eval(u"Fenetre & \"!\"").stringValue(), u"Menu1!");
    engine.addCode(u"Fenetre = \"direct\"");
    EXPECT_EQ(caption, u"direct");
}

TEST(VbsEmbedding, MissingMembersAndObjectsRaise438And424)
{
    vbs::ScriptEngine engine;
    std::u16string caption;
    int calls = 0;
    engine.addObject(u"Fenetre", makeWindow(caption, calls));
    EXPECT_EQ(errorOf(engine, "Fenetre.Nope = 1"), 438);
    EXPECT_EQ(errorOf(engine, "x = Fenetre.Nope"), 438);
    EXPECT_EQ(errorOf(engine, "x = 5\nx.Caption = 1"), 424);
    EXPECT_EQ(errorOf(engine, "Set x = Nothing\nx.Caption = 1"), 91);
}

TEST(VbsEmbedding, HostFunctionsReceiveArguments)
{
    vbs::ScriptEngine engine;
    std::vector<std::u16string> seen;
    engine.addFunction(u"Trace", [&seen](std::span<Variant> args) {
        for (const Variant &arg : args)
            seen.push_back(vbs::conv::toString(arg, vbs::Language::English));
        return Variant::string(u"done");
    });
    engine.addCode(u"r = trace(\"a\", 2)\nTRACE 3.5");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], u"a");
    EXPECT_EQ(seen[2], u"3.5");
    EXPECT_EQ(engine.eval(u"r").stringValue(), u"done");
}

TEST(VbsEmbedding, CodeAddedStaysVisibleToLaterScriptsAndCalls)
{
    vbs::ScriptEngine engine;
    engine.addCode(u"Dim total\ntotal = 1\nFunction AddTo(n)\n total = total + n\n AddTo = total\nEnd Function");
    engine.run(u"AddTo 4");
    EXPECT_EQ(engine.eval(u"total").intValue(), 5);
    EXPECT_EQ(vbs::conv::toLong(engine.call(u"addto", {Variant::integer(10)})), 15);
    EXPECT_TRUE(engine.hasProcedure(u"ADDTO"));
    EXPECT_FALSE(engine.hasProcedure(u"total"));
    EXPECT_EQ(engine.eval(u"total * 2 + Len(\"ab\")").intValue(), 32);
    try {
        engine.call(u"Missing");
        FAIL();
    } catch (const vbs::ScriptError &error) {
        EXPECT_EQ(error.number(), 35);
    }
}

TEST(VbsEmbedding, HostCallbacksMayRunScriptAgain)
{
    vbs::ScriptEngine engine;
    engine.addFunction(u"Nested", [&engine](std::span<Variant> args) {
        engine.run(u"inner = inner + 1");
        return engine.call(u"Twice", {args[0]});
    });
    engine.addCode(u"Function Twice(n)\nTwice = n * 2\nEnd Function\nresult = Nested(21)");
    EXPECT_EQ(vbs::conv::toLong(engine.eval(u"result")), 42);
    EXPECT_EQ(vbs::conv::toLong(engine.eval(u"inner")), 1);
}

TEST(VbsEmbedding, HostsKeepGetRefHandlersAndCallThemLater)
{
    std::shared_ptr<vbs::HostObject> handler;
    {
        vbs::ScriptEngine engine;
        auto button = std::make_shared<vbs::DispatchObject>(u"Bouton");
        button->addProperty(
            u"OnClick", [&handler](std::span<Variant>) { return Variant::object(handler); },
            [&handler](std::span<Variant>, const Variant &v) { handler = v.objectValue(); });
        engine.addObject(u"Bouton1", button);
        engine.addCode(u"Dim clicks\nSub Clicked(x)\nclicks = clicks & x\nIf x = 0 Then y = 1 / x\nEnd Sub\nSet Bouton1.OnClick = GetRef(\"Clicked\")");
        ASSERT_TRUE(handler);
        Variant args[] = {Variant::string(u"a")};
        handler->invoke(u"", vbs::Invoke::Call, args);
        handler->invoke(u"", vbs::Invoke::Call, args);
        EXPECT_EQ(engine.toText(engine.eval(u"clicks")), u"aa");
        Variant zero[] = {Variant::integer(0)};
        try {
            handler->invoke(u"", vbs::Invoke::Call, zero);
            ADD_FAILURE() << "no error";
        } catch (const vbs::ScriptError &error) {
            EXPECT_EQ(error.number(), 11);
            EXPECT_EQ(error.description(), u"Division by zero");
            EXPECT_EQ(error.line(), 4);
        }
    }
    Variant args[] = {Variant::string(u"late")};
    EXPECT_THROW(handler->invoke(u"", vbs::Invoke::Call, args), vbs::ScriptError);
}

TEST(VbsEmbedding, ScriptClassesCanBeUsedByTheHost)
{
    vbs::ScriptEngine engine;
    engine.addCode(u"Class Pair\nPublic A\nPublic Function Sum(b)\nSum = A + b\nEnd Function\nEnd Class\n"
                   u"Set p = New Pair\np.A = 2");
    const Variant p = engine.eval(u"p");
    ASSERT_TRUE(p.isObject());
    Variant args[] = {Variant::integer(3)};
    EXPECT_EQ(vbs::conv::toLong(p.objectValue()->invoke(u"sum", vbs::Invoke::Get, args)), 5);
    EXPECT_EQ(p.objectValue()->typeName(), u"Pair");
}

class Items : public vbs::HostObject
{
public:
    Variant invoke(std::u16string_view name, vbs::Invoke, std::span<Variant> args) override
    {
        if (name == u"count")
            return Variant::integer(3);
        if (name.empty() && args.size() == 1)
            return Variant::integer(int16_t(vbs::conv::toLong(args[0]) * 10));
        throw vbs::ScriptError(438);
    }
    bool enumerate(std::vector<Variant> &items) override
    {
        items = {Variant::integer(1), Variant::string(u"deux"), Variant::real(3.5)};
        return true;
    }
};

TEST(VbsEmbedding, HostCollectionsEnumerateAndIndex)
{
    vbs::ScriptEngine engine;
    engine.addObject(u"Items", std::make_shared<Items>());
    engine.addCode(u"For Each it In Items\ns = s & it & \";\"\nNext\nn = Items.Count\nthird = Items(3)");
    EXPECT_EQ(engine.eval(u"s").stringValue(), u"1;deux;3.5;");
    EXPECT_EQ(engine.eval(u"n").intValue(), 3);
    EXPECT_EQ(engine.eval(u"third").intValue(), 30);
    std::u16string caption;
    int calls = 0;
    engine.addObject(u"Fenetre", makeWindow(caption, calls));
    EXPECT_EQ(errorOf(engine, "For Each x In Fenetre\nNext"), 451);
}

TEST(VbsEmbedding, DialogsGoToTheHost)
{
    TestEngine test;
    test.host.answers = {u"Zoé"};
    test.engine.addCode(u"name = InputBox(\"Nom ?\")\nMsgBox \"Bonjour \" & name");
    ASSERT_EQ(test.host.messages.size(), 2u);
    EXPECT_EQ(test.host.messages[0], u"Nom ?");
    EXPECT_EQ(test.host.messages[1], u"Bonjour Zoé");
}

} // namespace
