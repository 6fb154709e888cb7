# The JUCE 8 tree: by default the one scripts/bootstrap unpacks; set JUCE_DIR
# to use another.
set (JUCE_DIR "${CMAKE_CURRENT_SOURCE_DIR}/third_party/JUCE" CACHE PATH "JUCE 8 source tree")
if (NOT EXISTS "${JUCE_DIR}/CMakeLists.txt")
    message (FATAL_ERROR "No JUCE tree at ${JUCE_DIR}: run scripts/bootstrap, or set JUCE_DIR")
endif()
