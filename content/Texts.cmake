# Included from the top-level CMakeLists.txt, so that the generated source belongs to the same
# directory as the core library that compiles it.
set(_texts_dir ${CMAKE_CURRENT_SOURCE_DIR}/content/texts)
file(GLOB_RECURSE _texts CONFIGURE_DEPENDS ${_texts_dir}/*.txt)
set(ZENTHARI_CONTENT_TEXTS_CPP ${CMAKE_CURRENT_BINARY_DIR}/content/ContentTexts.cpp)
add_custom_command(
    OUTPUT ${ZENTHARI_CONTENT_TEXTS_CPP}
    COMMAND ${CMAKE_COMMAND} -DTEXTS_DIR=${_texts_dir} -DOUTPUT=${ZENTHARI_CONTENT_TEXTS_CPP}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/content/EmbedTexts.cmake
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/content/EmbedTexts.cmake ${_texts}
    COMMENT "Embedding the interpretive texts")
