# Warnings, floating point and hardening flags shared by every target of the project.

add_compile_options(-Wall -Wextra -Wpedantic)
if(VFE_WERROR)
    add_compile_options(-Werror)
endif()

# Every double operation of the relations must be rounded on its own: no fused multiply-add.
add_compile_options(-ffp-contract=off)

# Release builds carry the usual hardening: PIE, full RELRO, stack protector, _FORTIFY_SOURCE.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong)
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro,-z,now)
