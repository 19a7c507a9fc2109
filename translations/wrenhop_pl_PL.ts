<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Aktualizacja programu</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Trwa pobieranie plików instalacyjnych.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Program jest już uruchomiony</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Program Cartaline jest już uruchomiony.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Aktualizacja programu nie powiodła się</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Brak połączenia z siecią. 
Nie można kontynuować aktualizacji.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Sprawdź ustawienia sieci (w tym kabel sieciowy i router), zapory sieciowej i programu antywirusowego, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Aktualizacja programu nie powiodła się</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Nie można znaleźć pliku aktualizacji.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Jeśli problem będzie się powtarzał, skontaktuj się z działem obsługi klienta.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Odwiedź witrynę obsługi klienta</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Zatrzymywanie aktualizacji</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Zatrzymać aktualizację teraz?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Jeśli zatrzymasz aktualizację, program Cartaline zostanie automatycznie zamknięty.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Aktualizacja programu nie powiodła się</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Nie udało się zaktualizować programu Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Czy chcesz spróbować ponownie?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Program Cartaline jest gotowy do aktualizacji.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Aby zezwolić na tę zmianę, wpisz hasło.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Aktualizacja programu nie powiodła się</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Brak połączenia z siecią. 
Nie można kontynuować aktualizacji.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Sprawdź ustawienia sieci (w tym kabel sieciowy i router), zapory sieciowej 
i programu antywirusowego, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Aktualizacja programu nie powiodła się</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Nie udało się zaktualizować programu.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Jeśli problem będzie się powtarzał, skontaktuj się z działem obsługi klienta.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Odwiedź witrynę obsługi klienta</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
