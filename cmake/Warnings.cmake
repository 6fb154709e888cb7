# Warning flags for the project's own code (JUCE's sources keep their own).
add_library (quillnote_warnings INTERFACE)
target_compile_options (quillnote_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wunused -Wno-missing-field-initializers)
