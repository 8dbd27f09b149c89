// Printing: the main window's print role with the print message, over the print service of the
// start-up environment (the system's print dialog by default).

#include "app/data_module.h"
#include "platform/printer.h"
#include "print/printing.h"
#include "program/wiring.h"

void wirePrint(ProgramParts& parts) {
  std::unique_ptr<orvik::PrintService> service;
  if (parts.env && parts.env->makePrintService) service = parts.env->makePrintService();
  if (!service) service = std::make_unique<orvik::DialogPrintService>();
  const QString folder = parts.env ? parts.env->currentDir : QString();
  parts.handOver.print = parts.own<Printing>(parts.data, parts.mainWindow, parts.printMessage,
                                             std::move(service), folder);
}
