# cmake -DOUTPUT=file -DINPUTS="a;b;c" -P Concatenate.cmake
file(WRITE ${OUTPUT} "")
foreach(input IN LISTS INPUTS)
    file(READ ${input} text)
    file(APPEND ${OUTPUT} "${text}")
endforeach()
