#include "reference/history_texts.h"

#include "app/errors32.h"

namespace reference {

QString HistoryText::shown() const {
    const int language = ERRORS32::LanguageCode;
    return QString::fromUtf8(texts[language >= 1 && language <= 8 ? language - 1 : 1]);
}

const HistoryText kMoreRecordsMatch = {{
    "Hay más registros: solo se muestran los 199 más recientes.",
    "More records match: only the newest 199 are shown.",
    "Plus de fiches trouvées : seules les 199 plus récentes sont affichées.",
    "Ci sono altri record: sono mostrati solo i 199 più recenti.",
    "Weitere Einträge passen: nur die neuesten 199 werden gezeigt.",
    "Há mais registos: só são mostrados os 199 mais recentes.",
    "Hakuun osuu enemmän: vain 199 uusinta näytetään.",
    "Fler poster matchar: bara de 199 senaste visas.",
}};

const HistoryText kLocalRecordsOnly = {{
    "El servidor no responde: solo registros de este ordenador sin enviar.",
    "Server not answering: only this computer's unsent records are shown.",
    "Le serveur ne répond pas : seules les fiches non envoyées de cet ordinateur.",
    "Il server non risponde: solo i record di questo computer non inviati.",
    "Server antwortet nicht: nur nicht gesendete Einträge dieses Rechners.",
    "O servidor não responde: só registos deste computador por enviar.",
    "Palvelin ei vastaa: vain tämän koneen lähettämättömät tiedot.",
    "Servern svarar inte: bara den här datorns ej skickade poster.",
}};

const HistoryText kNotADate = {{
    "no es una fecha (ddmmaa): se ignora.",
    "not a date (ddmmyy): ignored.",
    "date non valide (jjmmaa) : ignorée.",
    "data non valida (ggmmaa): ignorata.",
    "kein Datum (ttmmjj): nicht berücksichtigt.",
    "data inválida (ddmmaa): ignorada.",
    "ei päivämäärä (ppkkvv): ohitetaan.",
    "inget datum (ddmmåå): ignoreras.",
}};

const HistoryText kFirstAfterLast = {{
    "La primera fecha es posterior a la última: ningún registro coincide.",
    "The first date is after the last one: no record can match.",
    "La première date est après la dernière : aucune fiche ne correspond.",
    "La prima data è dopo l'ultima: nessun record corrisponde.",
    "Das erste Datum liegt nach dem letzten: kein Eintrag passt.",
    "A primeira data é posterior à última: nenhum registo corresponde.",
    "Ensimmäinen päivä on viimeisen jälkeen: mikään tieto ei sovi.",
    "Första datumet är efter det sista: ingen post matchar.",
}};

const HistoryText kTableHelp = {{
    "Escriba en una celda Modelo o Matrícula para cambiarla; Supr borra el registro.",
    "Type in a Model or Plates cell to change it; Delete removes the record.",
    "Tapez dans une cellule Modèle ou Plaque pour la modifier ; Suppr efface la fiche.",
    "Scrivere in una cella Modello o Matricola per cambiarla; Canc elimina il record.",
    "In einer Zelle Modell oder Schild tippen, um sie zu ändern; Entf löscht den Eintrag.",
    "Escreva numa célula Modelo ou Placa para a alterar; Del apaga o registo.",
    "Kirjoita Malli- tai rekisterisoluun muuttaaksesi sitä; Delete poistaa tiedon.",
    "Skriv i en Modell- eller registreringscell för att ändra; Delete tar bort posten.",
}};

const HistoryText kDeleteRecord = {{
    "¿Borrar este registro del histórico?\n%1",
    "Delete this record from the history?\n%1",
    "Supprimer cette fiche de l'historique ?\n%1",
    "Eliminare questo record dallo storico?\n%1",
    "Diesen Eintrag aus dem Verlauf löschen?\n%1",
    "Apagar este registo do histórico?\n%1",
    "Poistetaanko tämä tieto historiasta?\n%1",
    "Ta bort den här posten ur historiken?\n%1",
}};

const HistoryText kYes = {{"Sí", "Yes", "Oui", "Sì", "Ja", "Sim", "Kyllä", "Ja"}};
const HistoryText kNo = {{"No", "No", "Non", "No", "Nein", "Não", "Ei", "Nej"}};

const HistoryText kFileMovedAside = {{
    "No se pudo leer el archivo del histórico. Se ha guardado como %1 y se ha empezado un "
    "histórico nuevo.",
    "The history file could not be read. It was kept as %1 and a new, empty history was "
    "started.",
    "Le fichier de l'historique est illisible. Il a été conservé sous %1 et un nouvel "
    "historique a été commencé.",
    "Il file dello storico non è leggibile. È stato conservato come %1 ed è iniziato un nuovo "
    "storico.",
    "Die Verlaufsdatei war nicht lesbar. Sie wurde als %1 aufbewahrt, ein neuer Verlauf wurde "
    "begonnen.",
    "O ficheiro do histórico não pôde ser lido. Foi guardado como %1 e começou um histórico "
    "novo.",
    "Historiatiedostoa ei voitu lukea. Se säilytettiin nimellä %1 ja uusi historia aloitettiin.",
    "Historikfilen gick inte att läsa. Den sparades som %1 och en ny historik påbörjades.",
}};

const HistoryText kKeptInMemory = {{
    "El histórico no se puede guardar en %1. Los diagnósticos de esta sesión se muestran hasta "
    "cerrar el programa, pero no se guardan.",
    "The history cannot be saved in %1. This session's diagnoses are listed until the program "
    "ends, but they are not saved.",
    "L'historique ne peut pas être enregistré dans %1. Les diagnostics de cette session restent "
    "affichés jusqu'à la fermeture du programme, sans être enregistrés.",
    "Lo storico non può essere salvato in %1. Le diagnosi di questa sessione restano visibili "
    "fino alla chiusura del programma, ma non vengono salvate.",
    "Der Verlauf kann nicht in %1 gespeichert werden. Die Diagnosen dieser Sitzung bleiben bis "
    "zum Programmende sichtbar, werden aber nicht gespeichert.",
    "O histórico não pode ser guardado em %1. Os diagnósticos desta sessão ficam visíveis até "
    "fechar o programa, mas não são guardados.",
    "Historiaa ei voi tallentaa kohteeseen %1. Tämän istunnon diagnoosit näkyvät ohjelman "
    "loppuun asti, mutta niitä ei tallenneta.",
    "Historiken kan inte sparas i %1. Den här sessionens diagnoser visas tills programmet "
    "avslutas men sparas inte.",
}};

const HistoryText kServerRefused = {{
    "El servidor del histórico rechazó la conexión: %1\nLos diagnósticos se guardan en este "
    "ordenador y se enviarán cuando el servidor los acepte.",
    "The history server refused the connection: %1\nDiagnoses are kept on this computer and sent "
    "when the server accepts them.",
    "Le serveur de l'historique a refusé la connexion : %1\nLes diagnostics sont gardés sur cet "
    "ordinateur et envoyés quand le serveur les acceptera.",
    "Il server dello storico ha rifiutato la connessione: %1\nLe diagnosi restano su questo "
    "computer e saranno inviate quando il server le accetterà.",
    "Der Verlaufsserver hat die Verbindung abgelehnt: %1\nDie Diagnosen bleiben auf diesem "
    "Rechner und werden gesendet, sobald der Server sie annimmt.",
    "O servidor do histórico recusou a ligação: %1\nOs diagnósticos ficam neste "
    "computador e serão enviados quando o servidor os aceitar.",
    "Historiapalvelin hylkäsi yhteyden: %1\nDiagnoosit säilytetään tällä koneella ja "
    "lähetetään, kun palvelin hyväksyy ne.",
    "Historikservern nekade anslutningen: %1\nDiagnoserna sparas på den här datorn och skickas "
    "när servern tar emot dem.",
}};

} // namespace reference
