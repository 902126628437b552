# Project-wide compile options: warnings everywhere, optional -Werror and sanitizers.
add_compile_options(-Wall -Wextra)
if(KAVREL_WERROR)
    add_compile_options(-Werror)
endif()
if(KAVREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(KAVREL_FUZZ)
    # Coverage for every library the fuzz targets reach, not only the target's own file.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
