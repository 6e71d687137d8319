# Who makes Ludrix, which version this is and when it was released.

# The maker is fictional and lives on a reserved example domain.
set(LUDRIX_MAKER "Northfall")
set(LUDRIX_MAKER_DOMAIN "northfall.example")
set(LUDRIX_MAKER_HOST "www.${LUDRIX_MAKER_DOMAIN}")
set(LUDRIX_MAKER_WEB_ADDRESS "https://${LUDRIX_MAKER_HOST}")
set(LUDRIX_MAKER_EMAIL "us@${LUDRIX_MAKER_DOMAIN}")

# Desktops find the program's entry, metadata and icon under one reverse
# domain name, the maker's domain turned round with the program's name after.
string(REPLACE "." ";" domain_labels "${LUDRIX_MAKER_DOMAIN}")
list(REVERSE domain_labels)
list(JOIN domain_labels "." reversed_domain)
set(LUDRIX_APP_ID "${reversed_domain}.${PROJECT_NAME}")

# Users see the version as major, two-digit minor and four-digit build:
# 1.0.0.14 reads 1.00.0014. That form has no place for the patch number.
function(ludrix_zero_padded out value width)
    string(LENGTH "${value}" length)
    if(length GREATER width)
        message(FATAL_ERROR "${value} does not fit in ${width} digits of the version ${PROJECT_VERSION}")
    endif()
    math(EXPR missing "${width} - ${length}")
    string(REPEAT "0" ${missing} zeros)
    set(${out} "${zeros}${value}" PARENT_SCOPE)
endfunction()
if(NOT PROJECT_VERSION_PATCH EQUAL 0)
    message(FATAL_ERROR "The shown version has no place for the patch number of ${PROJECT_VERSION}; keep it 0")
endif()
ludrix_zero_padded(minor "${PROJECT_VERSION_MINOR}" 2)
ludrix_zero_padded(build "${PROJECT_VERSION_TWEAK}" 4)
set(LUDRIX_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.${build}")

set(LUDRIX_RELEASE_DATE "2026-12-06")

# The icon's sizes in the desktops' icon theme; 72 is the window's own.
set(LUDRIX_ICON_SIZES 16 22 24 32 48 64 72 128 256)
