#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <thread>

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
            const auto result = RUN_ALL_TESTS();
            setApplicationReturnValue (result);
            quit();

            // After a plug-in's own JUCE has shut down and started again in this
            // process, JUCE's VST3 hosting can lose the host's message-queue
            // handler, and the quit message is never dispatched. The verdict is
            // in by now, so end the process if it has not ended in a few seconds.
            std::thread ([result]
            {
                std::this_thread::sleep_for (std::chrono::seconds (5));
                std::cerr << "test host: the message loop did not stop; exiting with the test result" << std::endl;
                std::_Exit (result);
            }).detach();
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
