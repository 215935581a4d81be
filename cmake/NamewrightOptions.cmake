# namewright_options: the language level, warning set and sanitizers every target of the project builds with.
add_library(namewright_options INTERFACE)
target_compile_features(namewright_options INTERFACE cxx_std_20)
target_compile_options(namewright_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(NAMEWRIGHT_WERROR)
    target_compile_options(namewright_options INTERFACE -Werror)
endif()
if(NAMEWRIGHT_SANITIZE)
    target_compile_options(namewright_options INTERFACE -fsanitize=${NAMEWRIGHT_SANITIZE} -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    target_link_options(namewright_options INTERFACE -fsanitize=${NAMEWRIGHT_SANITIZE})
endif()
if(NAMEWRIGHT_BUILD_FUZZ)
    # Coverage feedback for libFuzzer in every library; only the fuzz targets link libFuzzer's main.
    target_compile_options(namewright_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
