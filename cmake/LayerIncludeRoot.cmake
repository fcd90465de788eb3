# Each layer of the program is included by its folder name ("runtime/number_parse.hpp",
# "form/korvala_form.hpp") from an include root of its own, which only the targets that link
# the layer see. A layer that includes one above it (the core including the window, say) then
# fails to build instead of quietly growing a dependency the wrong way.
function(korvala_layer_include_root target layer)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${layer} ${root}/${layer} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
