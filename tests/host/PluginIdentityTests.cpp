#include <gtest/gtest.h>

#include "HostHarness.h"

TEST (PluginIdentity, WhatTheHostSees)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile (types, host::productBundle().getFullPathName());

    ASSERT_EQ (types.size(), 1);
    const auto& description = *types[0];
    EXPECT_EQ (description.name, "Quillnote");
    EXPECT_EQ (description.manufacturerName, "Quillnote");
    EXPECT_EQ (description.version, "1.2.0");
    EXPECT_EQ (description.category, "Fx");
    EXPECT_FALSE (description.isInstrument);
    EXPECT_EQ (description.numInputChannels, 2);
    EXPECT_EQ (description.numOutputChannels, 2);

    auto plugin = host::loadPlugin (host::productBundle());
    ASSERT_NE (plugin, nullptr);
    EXPECT_EQ (plugin->getName(), "Quillnote");
    EXPECT_FALSE (plugin->acceptsMidi());
    EXPECT_FALSE (plugin->producesMidi());
    EXPECT_EQ (plugin->getTailLengthSeconds(), 0.0);
    EXPECT_EQ (plugin->getParameters().size(), 1);   // only the bypass the VST3 client adds
}

TEST (PluginIdentity, BusLayouts)
{
    auto plugin = host::loadPlugin (host::productBundle());
    ASSERT_NE (plugin, nullptr);

    using Set = juce::AudioChannelSet;
    const auto layout = [] (Set in, Set out)
    {
        juce::AudioProcessor::BusesLayout l;
        l.inputBuses.add (in);
        l.outputBuses.add (out);
        return l;
    };

    struct Case { juce::AudioProcessor::BusesLayout layout; bool accepted; const char* what; };
    const Case cases[] {
        { layout (Set::stereo(), Set::stereo()), true, "stereo to stereo" },
        { layout (Set::mono(), Set::mono()), true, "mono to mono" },
        { layout (Set::stereo(), Set::mono()), false, "stereo to mono" },
        { layout (Set::mono(), Set::stereo()), false, "mono to stereo" },
        { layout (Set::create5point1(), Set::create5point1()), false, "5.1" },
        { layout (Set::disabled(), Set::stereo()), false, "input disabled" },
        { layout (Set::stereo(), Set::disabled()), false, "output disabled" },
    };

    for (const auto& c : cases)
    {
        EXPECT_EQ (plugin->checkBusesLayoutSupported (c.layout), c.accepted) << c.what;
        EXPECT_EQ (plugin->setBusesLayout (c.layout), c.accepted) << c.what;
    }
}
