#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

// The tests run inside a real JUCEApplication, on its message thread, and
// pump the message loop themselves while they wait.
class TestHostApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "QuillnoteTestHost"; }
    const juce::String getApplicationVersion() override { return "1.0.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String&) override
    {
        juce::MessageManager::callAsync ([this]
        {
            setApplicationReturnValue (RUN_ALL_TESTS());
            quit();
        });
    }

    void shutdown() override {}
};

JUCE_CREATE_APPLICATION_DEFINE (TestHostApplication)

int main (int argc, char* argv[])
{
    testing::InitGoogleTest (&argc, argv);
    juce::JUCEApplicationBase::createInstance = &juce_CreateApplication;
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
