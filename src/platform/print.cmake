# Printing: the printer the program draws its sheets on and the print services (Qt's print
# dialog, and printing into PDF files without one).
target_sources(orvik_platform PRIVATE
  printer.cpp printer.h
)
