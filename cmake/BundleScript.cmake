# Bundles an ES module and the modules it imports into one classic script, an immediately invoked
# function whose exports become `global` (a member of emscripten's Module, the script's one
# global), written in the JavaScript that this
# emscripten's tools read (ES2019, less the object spread its optimiser cannot walk), so that it
# can stand before emscripten's own code; minified, since emscripten's optimiser only drops its
# blanks.
function(korvala_bundle_script target entry global output)
    find_program(KORVALA_ESBUILD esbuild REQUIRED)
    get_filename_component(folder ${entry} DIRECTORY)
    file(GLOB_RECURSE modules CONFIGURE_DEPENDS ${folder}/*.js)
    add_custom_command(OUTPUT ${output}
        COMMAND ${KORVALA_ESBUILD} ${entry} --bundle --format=iife --global-name=${global}
            --target=es2019 --supported:object-rest-spread=false --minify --charset=utf8 --log-level=warning --outfile=${output}
        DEPENDS ${modules}
        COMMENT "Bundling ${entry}"
        VERBATIM)
    add_custom_target(${target} DEPENDS ${output})
endfunction()
