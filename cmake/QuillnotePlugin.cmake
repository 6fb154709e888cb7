# The plug-in: identity, sources, JUCE modules, and the web app copied into
# the bundle's Contents/Resources/web.

juce_add_plugin (Quillnote
    PRODUCT_NAME "Quillnote"
    COMPANY_NAME "Quillnote"
    VERSION 1.2.0
    PLUGIN_MANUFACTURER_CODE Qlnt
    PLUGIN_CODE QlPr
    FORMATS VST3 Standalone
    VST3_CATEGORIES Fx
    IS_SYNTH FALSE
    NEEDS_MIDI_INPUT FALSE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS TRUE
    NEEDS_WEB_BROWSER TRUE
    NEEDS_CURL TRUE
    VST3_AUTO_MANIFEST FALSE
    COPY_PLUGIN_AFTER_BUILD FALSE)

set (quillnote_sources
    plugin/PluginProcessor.cpp
    plugin/TransportSnapshot.cpp
    plugin/PersistedState.cpp
    editor/PluginEditor.cpp
    editor/DiagnosticLog.cpp
    editor/FallbackScreen.cpp
    editor/QuillnotePaths.cpp
    editor/WebContentRoot.cpp
    editor/WebViewSetup.cpp
    editor/ResourceProvider.cpp
    editor/StateInjection.cpp
    editor/TimerLoop.cpp
    bridge/NativeFunctionTable.cpp
    bridge/TransportAndStateFunctions.cpp)

target_sources (Quillnote PRIVATE ${quillnote_sources})
quillnote_warn_on (${quillnote_sources})

target_include_directories (Quillnote PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")

target_compile_definitions (Quillnote
    PUBLIC
        JUCE_WEB_BROWSER=1
        JUCE_USE_CURL=1
        JUCE_VST3_CAN_REPLACE_VST2=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_STRICT_REFCOUNTEDPOINTER=1)

# The modules are linked privately so that targets linking the shared code
# (unit tests, benchmarks) reuse its compiled JUCE instead of building it again.
target_link_libraries (Quillnote
    PRIVATE
        juce::juce_audio_utils
        juce::juce_gui_extra
        PkgConfig::QUILLNOTE_CODECS
    PUBLIC
        juce::juce_recommended_config_flags
        juce::juce_recommended_lto_flags)

# Targets that link the shared code need JUCE's headers and defines too.
add_library (quillnote_shared_code INTERFACE)
target_link_libraries (quillnote_shared_code INTERFACE Quillnote)
target_include_directories (quillnote_shared_code INTERFACE
    $<TARGET_PROPERTY:Quillnote,INCLUDE_DIRECTORIES>)
target_compile_definitions (quillnote_shared_code INTERFACE
    $<TARGET_PROPERTY:Quillnote,COMPILE_DEFINITIONS>)

set (QUILLNOTE_WEB_SOURCE "${CMAKE_CURRENT_SOURCE_DIR}/resources/web")
set (QUILLNOTE_VST3_BUNDLE "${CMAKE_BINARY_DIR}/Quillnote_artefacts/$<CONFIG>/VST3/Quillnote.vst3")

add_custom_command (TARGET Quillnote_VST3 POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${QUILLNOTE_VST3_BUNDLE}/Contents/Resources/web"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${QUILLNOTE_WEB_SOURCE}" "${QUILLNOTE_VST3_BUNDLE}/Contents/Resources/web"
    VERBATIM)

# The Standalone is laid out like the bundle, so that two folders above its
# executable there is Resources/web and it shows the bundled web app too.
set (QUILLNOTE_STANDALONE_ROOT "${CMAKE_BINARY_DIR}/Standalone/Quillnote")
set_target_properties (Quillnote_Standalone PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${QUILLNOTE_STANDALONE_ROOT}/Contents/x86_64-linux")
add_custom_command (TARGET Quillnote_Standalone POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${QUILLNOTE_STANDALONE_ROOT}/Contents/Resources/web"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${QUILLNOTE_WEB_SOURCE}" "${QUILLNOTE_STANDALONE_ROOT}/Contents/Resources/web"
    VERBATIM)
