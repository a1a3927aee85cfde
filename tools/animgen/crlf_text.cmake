# cmake -DINPUT=in.txt -DOUTPUT=out.txt -P crlf_text.cmake
# Copies a text file with every line ending made CR LF.
if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "crlf_text.cmake needs INPUT and OUTPUT")
endif()
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
file(WRITE "${OUTPUT}" "${text}")
